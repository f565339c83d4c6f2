// The old platform's Trim: leading and trailing spaces removed (tabs are kept).
#pragma once

#include <string>
#include <string_view>

namespace korvane {

inline std::string TrimSpaces(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return std::string(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

}  // namespace korvane
