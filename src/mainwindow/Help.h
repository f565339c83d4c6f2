// Where Help > Contents... finds the help file.
#pragma once

#include <string>

namespace korvane {

inline constexpr const char* kHelpFileName = "korvane.hlp";

// The help file beside the program; when it is not there but an installation put it in
// <prefix>/share/korvane (the program being in <prefix>/bin), that one. Without either, the
// path beside the program, so that the viewer reports the missing file by its name.
std::string HelpFilePath(const std::string& programFolder);

}  // namespace korvane
