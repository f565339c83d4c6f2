// The document's Options dialogs: Window Size && Font... (the designed window's size and the
// generated window's font, an edit of the design) and Grid and Units... (the main window's
// grid, taken by the open design at once). OK checks the values through the core and keeps
// the dialog open with a message when one is refused.
#pragma once

#include <QDialog>

#include "mainwindow/MainController.h"
#include "platform/MessageBox.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace korvane {

class WindowFontDialog : public QDialog {
    Q_OBJECT
  public:
    WindowFontDialog(DocumentController& form, MessageBoxService& messages,
                     QWidget* parent = nullptr);

    QLineEdit* WidthEdit() const { return width_; }
    QLineEdit* HeightEdit() const { return height_; }
    QComboBox* FontNameCombo() const { return fontName_; }
    QComboBox* FontStyleCombo() const { return fontStyle_; }
    QLineEdit* FontSizeEdit() const { return fontSize_; }

    // OK: applies the values and closes, or shows why not and stays open.
    void accept() override;

  private:
    DocumentController& form_;
    MessageBoxService& messages_;
    QLineEdit* width_;
    QLineEdit* height_;
    QComboBox* fontName_;
    QComboBox* fontStyle_;
    QLineEdit* fontSize_;
};

class GridDialog : public QDialog {
    Q_OBJECT
  public:
    GridDialog(MainController& main, MessageBoxService& messages, QWidget* parent = nullptr);

    QLineEdit* SizeEdit() const { return size_; }
    QComboBox* UnitsCombo() const { return units_; }
    QCheckBox* SnapCheck() const { return snap_; }
    QCheckBox* ShowCheck() const { return show_; }

    void accept() override;

  private:
    MainController& main_;
    MessageBoxService& messages_;
    QLineEdit* size_;
    QComboBox* units_;
    QCheckBox* snap_;
    QCheckBox* show_;
    QString shownUnits_;
};

}  // namespace korvane
