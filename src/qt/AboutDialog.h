// The About window (frmAbout): the program's name, version and icon; OK closes it.
#pragma once

#include <QDialog>

#include "mainwindow/frmAbout.h"

class QLabel;

namespace korvane {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner);
    const frmAbout& Form() const { return form_; }

  private:
    QLabel* AddLabel(const char* name, const std::string& text, const char* family, int left,
                     int top, int width, int height);
    frmAbout form_;
};

// The program's icon.
QIcon ProgramIcon();

}  // namespace korvane
