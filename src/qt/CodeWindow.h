// The code window: the generated lines in a fixed-pitch list, with File > Save As... and Close.
#pragma once

#include <QMainWindow>

#include "codegen/Form2.h"

class QListWidget;

namespace korvane {

class CodeWindow : public QMainWindow {
    Q_OBJECT
  public:
    // javaFileName: where the class name of the last generation is read when saving.
    CodeWindow(Form2& form, const std::string& javaFileName, MessageBoxService& messages,
               FileDialogService& dialogs, QWidget* parent = nullptr);

    // Shows the core window's state: its lines, and the window when it is visible.
    void Sync();
    QListWidget* List() const { return list_; }

    void OptionSaveAs_Click();
    void OptionClose_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Form2& form_;
    const std::string& javaFileName_;
    MessageBoxService& messages_;
    FileDialogService& dialogs_;
    QListWidget* list_;
    // The lines last put in the list, so a refused generation leaves the list untouched.
    std::vector<std::string> shown_;
};

// Whether every character of the font has the same width.
bool IsFixedPitch(const QFont& font);

}  // namespace korvane
