// Small text helpers: the old platform's Trim, and file text quoted in a message.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The old platform's Trim: leading and trailing spaces removed (tabs are kept).
inline std::string TrimSpaces(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return std::string(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

// How many characters of a text a message quotes before it cuts the rest.
inline constexpr size_t kQuotedCharacters = 60;

// A text from a file (a name, kind, class or font), in double quotes for a message: its first
// kQuotedCharacters characters and "..." when it is longer, so that a message stays short
// whatever the file holds. UTF-8 sequences are never cut.
inline std::string QuotedForMessage(std::string_view text) {
    size_t characters = 0, end = 0;
    for (; end < text.size(); ++end) {
        bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == kQuotedCharacters) break;
    }
    std::string quoted = "\"" + std::string(text.substr(0, end));
    return quoted + (end < text.size() ? "...\"" : "\"");
}

}  // namespace korvane
