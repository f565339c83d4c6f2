#include "qt/CodeWindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QListWidget>
#include <QMenuBar>

#include "platform/Conversions.h"
#include "qt/Menus.h"

namespace korvane {
namespace {}  // namespace

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

namespace {}  // namespace

CodeWindow::CodeWindow(Form2& form, const std::string& javaFileName, MessageBoxService& messages,
                       FileDialogService& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      form_(form),
      javaFileName_(javaFileName),
      messages_(messages),
      dialogs_(dialogs),
      list_(new QListWidget(this)) {
    setObjectName("Form2");
    setWindowTitle(QString::fromUtf8(kCodeWindowCaption.data(), kCodeWindowCaption.size()));
    list_->setObjectName("List1");
    list_->setFont(CodeFont());
    list_->setUniformItemSizes(true);
    // The list fills the window whatever its size.
    setCentralWidget(list_);
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("OptionFile");
    AddMenuItem(file, "Save As...", "OptionSaveAs", [this] { OptionSaveAs_Click(); });
    AddSeparator(file);
    AddMenuItem(file, "Close", "OptionClose", [this] { OptionClose_Click(); });
    resize(TwipsToWholePixels(kCodeClientWidth),
           TwipsToWholePixels(kCodeClientHeight) + menuBar()->sizeHint().height());
}

void CodeWindow::Sync() {
    if (shown_ != form_.Lines) {
        shown_ = form_.Lines;
        list_->clear();
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(shown_.size()));
        for (const std::string& line : shown_) lines << QString::fromStdString(line);
        list_->addItems(lines);
    }
    if (form_.Visible) {
        show();
        raise();
    } else {
        hide();
    }
}

void CodeWindow::OptionSaveAs_Click() {
    form_.OptionSaveAs_Click(javaFileName_, dialogs_, messages_);
}

void CodeWindow::OptionClose_Click() {
    form_.OptionClose_Click();
    Sync();
}

void CodeWindow::closeEvent(QCloseEvent* event) {
    form_.OptionClose_Click();
    Sync();
    event->accept();
}

}  // namespace korvane
