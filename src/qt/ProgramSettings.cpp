#include "qt/ProgramSettings.h"

#include <QMainWindow>
#include <QSettings>
#include <memory>

#include "mainwindow/DesignSettings.h"

namespace korvane {
namespace {

std::unique_ptr<QSettings> Open(const QString& file) {
    if (file.isEmpty()) return std::make_unique<QSettings>("Korvane", "Korvane");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace

GridSettings ProgramSettings::Grid(const GridSettings& fallback) const {
    const auto s = Open(file_);
    if (!s->contains("Grid/Size")) return fallback;
    // Read by the Grid dialog's own rule: a hand-edited value it would refuse is not used.
    const GridTexts texts{s->value("Grid/Size").toString().toStdString(),
                          s->value("Grid/Units").toString().toStdString(),
                          s->value("Grid/Snap", fallback.GridAlign).toBool(),
                          s->value("Grid/ShowDots", fallback.GridShow).toBool()};
    GridSettings grid;
    return ReadGridSettings(texts, grid).empty() ? grid : fallback;
}

void ProgramSettings::SetGrid(const GridSettings& grid) const {
    const auto s = Open(file_);
    s->setValue("Grid/Size", grid.GridSize);
    s->setValue("Grid/Snap", grid.GridAlign);
    s->setValue("Grid/ShowDots", grid.GridShow);
    s->setValue("Grid/Units", QString::fromStdString(grid.GridUnits));
}

bool ProgramSettings::ShowText() const {
    return Open(file_)->value("View/ShowText", false).toBool();
}

void ProgramSettings::SetShowText(bool shown) const {
    Open(file_)->setValue("View/ShowText", shown);
}

bool ProgramSettings::RestoreLayout(QMainWindow& window) const {
    const auto s = Open(file_);
    const QByteArray geometry = s->value("Window/Geometry").toByteArray();
    if (geometry.isEmpty() || !window.restoreGeometry(geometry)) return false;
    window.restoreState(s->value("Window/State").toByteArray());
    return true;
}

void ProgramSettings::SetLayout(const QMainWindow& window) const {
    const auto s = Open(file_);
    s->setValue("Window/Geometry", window.saveGeometry());
    s->setValue("Window/State", window.saveState());
}

QStringList ProgramSettings::RecentFiles() const {
    return Open(file_)->value("File/Recent").toStringList();
}

void ProgramSettings::SetRecentFiles(const QStringList& paths) const {
    Open(file_)->setValue("File/Recent", paths);
}

}  // namespace korvane
