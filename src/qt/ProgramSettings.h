// The settings the program keeps between runs, in $XDG_CONFIG_HOME/korvane/korvane.conf
// (~/.config/korvane/korvane.conf without it).
#pragma once

#include <QSettings>

namespace korvane {

inline QSettings& ProgramSettings() {
    static QSettings settings(QSettings::IniFormat, QSettings::UserScope, "korvane", "korvane");
    return settings;
}

}  // namespace korvane
