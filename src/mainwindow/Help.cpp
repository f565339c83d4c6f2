#include "mainwindow/Help.h"

#include <filesystem>
#include <system_error>

namespace korvane {

std::string HelpFilePath(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path beside = fs::path(programFolder) / kHelpFileName;
    const fs::path installed = fs::path(programFolder) / ".." / "share" / "korvane" / kHelpFileName;
    std::error_code ec;
    if (!fs::is_regular_file(beside, ec) && fs::is_regular_file(installed, ec))
        return installed.lexically_normal().string();
    return beside.string();
}

}  // namespace korvane
