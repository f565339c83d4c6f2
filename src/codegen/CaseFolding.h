// Names that a file system ignoring case takes as one. javac writes each class to a file named
// after it, so two classes whose names differ only in case share one file on Windows and macOS,
// in any script: names are compared by Unicode's simple case folding, which maps each character
// to one character (É and é, Σ, σ and ς, K and the Kelvin sign K fold alike).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

char32_t FoldCase(char32_t c);
// The UTF-8 text with every character folded; an invalid byte becomes U+FFFD.
std::string FoldCase(std::string_view utf8);

// Hash and equality of names regardless of case, for hash tables; an ASCII name is hashed as it
// is, with its letters folded on the way.
struct CaseFoldedHash {
    size_t operator()(std::string_view name) const;
};
struct CaseFoldedEqual {
    bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace korvane
