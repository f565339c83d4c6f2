#include "qt/CodeWindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>

#include "platform/Conversions.h"
#include "qt/Menus.h"

namespace korvane {
bool IsFixedPitch(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance("iiiii") == metrics.horizontalAdvance("MMMMM");
}

// Courier New 9, or the nearest fixed-pitch font the system has.
QFont CodeFont() {
    QFont font("Courier New", 9);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    for (const char* family : {"Liberation Mono", "DejaVu Sans Mono", "Monospace"}) {
        if (IsFixedPitch(font)) break;
        font.setFamily(family);
    }
    if (!IsFixedPitch(font)) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(9);
    }
    return font;
}

CodeWindow::CodeWindow(CodeListing& form, const std::string& javaFileName,
                       MessageBoxService& messages, FileDialogService& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      form_(form),
      javaFileName_(javaFileName),
      messages_(messages),
      dialogs_(dialogs),
      text_(new QPlainTextEdit(this)) {
    setObjectName("CodeListing");
    setWindowTitle(QString::fromUtf8(kCodeWindowCaption.data(), kCodeWindowCaption.size()));
    text_->setObjectName("List1");
    text_->setFont(CodeFont());
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The text fills the window whatever its size.
    setCentralWidget(text_);
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("OptionFile");
    AddMenuItem(file, "Save &As...", "OptionSaveAs", [this] { SaveAs(); });
    AddSeparator(file);
    AddMenuItem(file, "&Close", "OptionClose", [this] { Close(); });
    resize(TwipsToWholePixels(kCodeClientWidth),
           TwipsToWholePixels(kCodeClientHeight) + menuBar()->sizeHint().height());
}

void CodeWindow::Sync() {
    if (shown_ != form_.Lines) {
        shown_ = form_.Lines;
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(shown_.size()));
        for (const std::string& line : shown_) lines << QString::fromStdString(line);
        text_->setPlainText(lines.join('\n'));
    }
    if (form_.Visible) {
        if (!isVisible()) PlaceOverMainWindow();
        show();
        raise();
        activateWindow();
    } else {
        hide();
    }
}

void CodeWindow::PlaceOverMainWindow() {
    QWidget* main = parentWidget();
    if (!main) return;
    QRect place(QPoint(), frameGeometry().size());
    place.moveCenter(main->frameGeometry().center());
    if (const QScreen* screen = main->screen()) {
        const QRect screenArea = screen->availableGeometry();
        place.moveRight(std::min(place.right(), screenArea.right()));
        place.moveBottom(std::min(place.bottom(), screenArea.bottom()));
        place.moveLeft(std::max(place.left(), screenArea.left()));
        place.moveTop(std::max(place.top(), screenArea.top()));
    }
    move(place.topLeft());
}

void CodeWindow::SaveAs() {
    form_.SaveAs(javaFileName_, dialogs_, messages_);
}

void CodeWindow::Close() {
    form_.Close();
    Sync();
}

void CodeWindow::closeEvent(QCloseEvent* event) {
    form_.Close();
    Sync();
    event->accept();
}

}  // namespace korvane
