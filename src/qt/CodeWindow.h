// The code window: the generated lines in a read-only fixed-pitch text view, where any part
// can be selected and copied, with File > Save As... and Close.
#pragma once

#include <QMainWindow>

#include "codegen/CodeListing.h"

class QPlainTextEdit;

namespace korvane {

class CodeWindow : public QMainWindow {
    Q_OBJECT
  public:
    // javaFileName: where the class name of the last generation is read when saving.
    CodeWindow(CodeListing& form, const std::string& javaFileName, MessageBoxService& messages,
               FileDialogService& dialogs, QWidget* parent = nullptr);

    // Shows the core window's state: its lines, and the window when it is visible.
    void Sync();
    // The text view: line i of the text is line i of the generated file.
    QPlainTextEdit* Text() const { return text_; }

    void SaveAs();
    void Close();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Puts the window over the middle of the main window, inside its screen.
    void PlaceOverMainWindow();

    CodeListing& form_;
    const std::string& javaFileName_;
    MessageBoxService& messages_;
    FileDialogService& dialogs_;
    QPlainTextEdit* text_;
    // The lines last put in the view, so a refused generation leaves the view untouched.
    std::vector<std::string> shown_;
};

// Whether every character of the font has the same width.
bool IsFixedPitch(const QFont& font);

}  // namespace korvane
