// The open and save dialogs shown as QFileDialog.
#pragma once

#include "platform/FileDialog.h"

class QString;
class QWidget;

namespace korvane {

class QtFileDialog : public FileDialogService {
  public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    FileDialogAnswer Show(const FileDialogRequest& request) override;

  private:
    QWidget* parent_;
};

// A Qt name filter for a description and pattern pair: "All files (*.dat)" stays as it is,
// a description without its pattern in brackets gets it appended.
QString QtNameFilter(const std::string& description, const std::string& pattern);

}  // namespace korvane
