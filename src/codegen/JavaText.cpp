#include "codegen/JavaText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "codegen/JavaIdentifierChars.h"

namespace korvane {
namespace {

constexpr auto kKeywords = std::to_array<std::string_view>(
    {"_",      "abstract",   "assert",       "boolean",   "break",
     "byte",   "case",       "catch",        "char",      "class",
     "const",  "continue",   "default",      "do",        "double",
     "else",   "enum",       "extends",      "final",     "finally",
     "float",  "for",        "goto",         "if",        "implements",
     "import", "instanceof", "int",          "interface", "long",
     "native", "new",        "package",      "private",   "protected",
     "public", "return",     "short",        "static",    "strictfp",
     "super",  "switch",     "synchronized", "this",      "throw",
     "throws", "transient",  "try",          "void",      "volatile",
     "while"});
static_assert(std::is_sorted(kKeywords.begin(), kKeywords.end()));

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

char32_t NextCodePoint(std::string_view text, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + length > text.size()) {
        ++i;
        return kReplacement;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += length;
    return cp;
}

namespace {

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$';
}

void AppendUnicodeEscape(std::string& out, std::uint32_t unit) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

// One code point as \uXXXX escapes: one, or a surrogate pair outside the BMP.
void AppendCodePointEscape(std::string& out, char32_t cp) {
    if (cp <= 0xFFFF) {
        AppendUnicodeEscape(out, cp);
        return;
    }
    const std::uint32_t v = cp - 0x10000;
    AppendUnicodeEscape(out, 0xD800 + (v >> 10));
    AppendUnicodeEscape(out, 0xDC00 + (v & 0x3FF));
}

}  // namespace

std::string JavaStringContent(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    AppendJavaStringContent(out, utf8);
    return out;
}

void AppendJavaStringContent(std::string& out, std::string_view utf8) {
    static constexpr std::array<bool, 256> kPlain = [] {
        std::array<bool, 256> plain{};
        for (int c = 0x20; c < 0x7F; ++c) plain[static_cast<size_t>(c)] = c != '\\' && c != '"';
        return plain;
    }();
    for (size_t i = 0; i < utf8.size();) {
        // Printable ASCII goes as it is, a run at a time.
        const size_t start = i;
        while (i < utf8.size() && kPlain[static_cast<unsigned char>(utf8[i])]) ++i;
        out.append(utf8, start, i - start);
        if (i == utf8.size()) break;
        // The two escaped characters of printable ASCII, without decoding them.
        if (utf8[i] == '\\' || utf8[i] == '"') {
            const char escaped[] = {'\\', utf8[i++]};
            out.append(escaped, 2);
            continue;
        }
        const char32_t cp = NextCodePoint(utf8, i);
        if (cp == U'\\') {
            out += "\\\\";
        } else if (cp == U'"') {
            out += "\\\"";
        } else if (cp == U'\n') {
            out += "\\n";  // javac would read \u000a as a line break that ends the literal
        } else if (cp == U'\r') {
            out += "\\r";
        } else if (cp >= 0x20 && cp < 0x7F) {
            out += static_cast<char>(cp);
        } else {
            AppendCodePointEscape(out, cp);
        }
    }
}

void AppendJavaStringLiteral(std::string& out, std::string_view utf8) {
    out += '"';
    AppendJavaStringContent(out, utf8);
    out += '"';
}

std::string AsciiJavaSource(std::string utf8) {
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (IsAscii(utf8)) return utf8;
    std::string out;
    out.reserve(utf8.size() + 16);
    for (size_t i = 0; i < utf8.size();) {
        if (ascii(utf8[i])) {
            out += utf8[i++];
            continue;
        }
        AppendCodePointEscape(out, NextCodePoint(utf8, i));
    }
    return out;
}

std::string JavaStringLiteral(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    AppendJavaStringLiteral(out, utf8);
    return out;
}

bool FitsJavaStringLiteral(std::string_view utf8) {
    constexpr size_t kMaxUnits = 65534;
    constexpr size_t kMaxBytes = 65535;
    // Each byte becomes at most one code unit and three bytes of the class file.
    if (utf8.size() * 3 <= kMaxBytes) return true;
    size_t units = 0, bytes = 0;
    for (size_t i = 0; i < utf8.size() && units <= kMaxUnits && bytes <= kMaxBytes;) {
        const char32_t cp = NextCodePoint(utf8, i);
        units += cp > 0xFFFF ? 2 : 1;
        bytes += cp >= 0x01 && cp <= 0x7F ? 1 : cp <= 0x7FF ? 2 : cp <= 0xFFFF ? 3 : 6;
    }
    return units <= kMaxUnits && bytes <= kMaxBytes;
}

std::span<const std::string_view> JavaKeywords() {
    return kKeywords;
}

bool IsJavaKeyword(std::string_view word) {
    // Every keyword is a lower-case word of at most 12 letters, or "_".
    if (word.empty() || word.size() > 12 || !((word[0] >= 'a' && word[0] <= 'z') || word == "_"))
        return false;
    return std::binary_search(kKeywords.begin(), kKeywords.end(), word);
}

bool IsJavaIdentifier(std::string_view text) {
    if (text.empty()) return false;
    for (size_t i = 0; i < text.size();) {
        const bool first = i == 0;
        // ASCII letters, digits, "_" and "$", the usual characters of a name, are taken as they
        // are; an invalid byte reads as U+FFFD, which no identifier holds.
        const char c = text[i];
        if (!first && IsAsciiLetterOrDigit(c)) {
            ++i;
            continue;
        }
        const JavaIdentifierChar kind = ClassifyJavaIdentifierChar(NextCodePoint(text, i));
        if (kind == JavaIdentifierChar::None || (first && kind != JavaIdentifierChar::Start))
            return false;
    }
    return !IsJavaKeyword(text) && text != "true" && text != "false" && text != "null";
}

bool IsRestrictedTypeName(std::string_view text) {
    return text == "var" || text == "yield" || text == "record" || text == "sealed" ||
           text == "permits";
}

}  // namespace korvane
