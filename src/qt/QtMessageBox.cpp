#include "qt/QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace korvane {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    MessageResult result;
};

std::vector<ButtonChoice> ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return {{QMessageBox::Yes, MessageResult::Yes}, {QMessageBox::No, MessageResult::No}};
        case MessageButtons::YesNoCancel:
            return {{QMessageBox::Yes, MessageResult::Yes},
                    {QMessageBox::No, MessageResult::No},
                    {QMessageBox::Cancel, MessageResult::Cancel}};
        case MessageButtons::OkCancel:
            return {{QMessageBox::Ok, MessageResult::Ok},
                    {QMessageBox::Cancel, MessageResult::Cancel}};
        case MessageButtons::ReplaceCancel:
            return {{QMessageBox::Yes, MessageResult::Yes},
                    {QMessageBox::Cancel, MessageResult::Cancel}};
        case MessageButtons::Ok:
            break;
    }
    return {{QMessageBox::Ok, MessageResult::Ok}};
}

}  // namespace

MessageResult QtMessageBox::Show(const MessageRequest& request) {
    QMessageBox box(parent_);
    box.setIcon(ToQtIcon(request.icon));
    box.setWindowTitle(QString::fromStdString(request.title));
    box.setText(QString::fromStdString(request.text));
    const std::vector<ButtonChoice> choices = ButtonsOf(request.buttons);
    std::vector<QPushButton*> pushButtons;
    for (const ButtonChoice& c : choices) pushButtons.push_back(box.addButton(c.button));
    if (request.buttons == MessageButtons::ReplaceCancel) pushButtons.front()->setText("Replace");
    const int defaultIndex = request.defaultButton - 1;
    if (defaultIndex >= 0 && defaultIndex < static_cast<int>(pushButtons.size()))
        box.setDefaultButton(pushButtons[static_cast<size_t>(defaultIndex)]);
    box.setEscapeButton(pushButtons.back());
    box.exec();
    for (size_t i = 0; i < choices.size(); ++i)
        if (box.clickedButton() == pushButtons[i]) return choices[i].result;
    return choices.back().result;  // closed by Escape or the title bar
}

}  // namespace korvane
