// A small help viewer: shows the help file from its contents page, or says that the file
// could not be found.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace korvane {

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Opens the help file at its contents page and shows the viewer.
    void ShowContents(const QString& path);
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
    bool placed_ = false;
};

}  // namespace korvane
