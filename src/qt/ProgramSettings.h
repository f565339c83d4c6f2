// The program's own settings, kept between runs (on Linux in ~/.config/Korvane/Korvane.conf):
// the grid, whether Show Text is on, the main window's size, place and panes, and the files
// opened last (File > Open Recent). They belong
// to the program, not to a design, so no design file holds them.
#pragma once

#include <QString>
#include <QStringList>

#include "document/Links.h"

class QMainWindow;

namespace korvane {

class ProgramSettings {
  public:
    // The settings of the given file, or of the program's own when "" (a test keeps its own).
    explicit ProgramSettings(QString file = {}) : file_(std::move(file)) {}

    // The grid kept, with `fallback`'s value for whatever is missing or unusable.
    GridSettings Grid(const GridSettings& fallback) const;
    void SetGrid(const GridSettings& grid) const;
    bool ShowText() const;
    void SetShowText(bool shown) const;
    // The window's size, place and docked panes; false when none are kept.
    bool RestoreLayout(QMainWindow& window) const;
    void SetLayout(const QMainWindow& window) const;
    QStringList RecentFiles() const;
    void SetRecentFiles(const QStringList& paths) const;

  private:
    QString file_;
};

}  // namespace korvane
