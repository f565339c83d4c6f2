// Small text helpers: the old platform's Trim, names compared regardless of case, pieces
// appended at once, and file text quoted in a message.
#pragma once

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

namespace korvane {

// A text without the blanks (by default spaces and tabs) at its start and its end.
inline std::string_view Trimmed(std::string_view s, std::string_view blanks = " \t") {
    // Read for every line of a design file: a loop, not a library search for each character.
    const auto isBlank = [blanks](char c) {
        for (const char blank : blanks)
            if (c == blank) return true;
        return false;
    };
    size_t begin = 0, end = s.size();
    while (begin < end && isBlank(s[begin])) ++begin;
    // Empty, but still within s: readers keep a view's place in its text.
    if (begin == end) return s.substr(s.size());
    while (isBlank(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

// Texts joined as a sentence lists them: "a", "a and b", "a, b and c".
template <class Texts>
std::string JoinedAsList(const Texts& texts) {
    std::string list;
    size_t k = 0;
    for (const auto& text : texts) {
        list.append(k == 0 ? "" : k + 1 == std::size(texts) ? " and " : ", ").append(text);
        ++k;
    }
    return list;
}

// The old platform's Trim: leading and trailing spaces removed (tabs are kept).
inline std::string TrimSpaces(std::string_view s) {
    return std::string(Trimmed(s, " "));
}

// ASCII letters folded to lower case, as profile files and file systems that ignore case
// compare names; other bytes are kept.
inline char FoldAsciiCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) return false;
    return true;
}

// Appends the texts of [first, last), each taken by textOf, in turn, growing the string once
// instead of once for each: generation builds millions of lines of a few pieces each.
template <class Iterator, class TextOf>
void AppendAll(std::string& out, Iterator first, Iterator last, TextOf textOf) {
    size_t size = 0;
    for (Iterator it = first; it != last; ++it) size += std::string_view(textOf(*it)).size();
    const size_t start = out.size();
    out.resize(start + size);
    char* at = out.data() + start;
    for (Iterator it = first; it != last; ++it) {
        const std::string_view text = textOf(*it);
        if (!text.empty()) std::memcpy(at, text.data(), text.size());
        at += text.size();
    }
}

inline void AppendAll(std::string& out, std::initializer_list<std::string_view> texts) {
    AppendAll(out, texts.begin(), texts.end(), [](std::string_view text) { return text; });
}

// How many characters of a text a message quotes before it cuts the rest.
inline constexpr size_t kQuotedCharacters = 60;

// A text from a file (a name, kind, class or font), in double quotes for a message: its first
// kQuotedCharacters characters and "..." when it is longer, so that a message stays short
// whatever the file holds. UTF-8 sequences are never cut.
inline std::string Quoted(std::string_view text) {
    size_t characters = 0, end = 0;
    for (; end < text.size(); ++end) {
        bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == kQuotedCharacters) break;
    }
    std::string quoted = "\"" + std::string(text.substr(0, end));
    return quoted + (end < text.size() ? "...\"" : "\"");
}

}  // namespace korvane
