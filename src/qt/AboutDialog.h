// The About window (AboutBox): the program's name, version and icon; OK closes it.
#pragma once

#include <QDialog>

#include "mainwindow/AboutBox.h"

class QLabel;

namespace korvane {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner);
    const AboutBox& Form() const { return form_; }

  private:
    QLabel* AddLabel(const char* name, const std::string& text, const char* family, int left,
                     int top, int width, int height);
    AboutBox form_;
};

// The program's icon.
QIcon ProgramIcon();

}  // namespace korvane
