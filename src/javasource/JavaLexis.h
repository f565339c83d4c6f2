// The lexical pieces of Java source that the reader of generated classes needs: lines, names
// and string literals read as javac reads them (\u escapes first, then escape sequences), and
// the extent of text the generator did not write, found by scanning for where its braces close.
// An extent found here is only a proposal: the text in it is parsed with tree-sitter before it
// is trusted (SyntaxCheck.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::javasource {

// One line of a file: its text without the line end, where it starts, where the next starts.
struct SourceLine {
    std::string_view text;
    std::string_view code;  // the text without blanks and tabs at either end
    size_t begin = 0;
    size_t next = 0;  // after the line end
    int number = 0;   // from 1
};

// The line of `text` that begins at `at`, without its line end (LF or CR LF); `next` is where
// the line after it begins.
inline std::string_view LineAt(std::string_view text, size_t at, size_t& next) {
    const char* start = text.data() + at;
    const size_t left = text.size() - at;
    const auto* lf = static_cast<const char*>(std::memchr(start, '\n', left));
    size_t length = lf ? static_cast<size_t>(lf - start) : left;
    next = at + (lf ? length + 1 : length);
    if (length > 0 && start[length - 1] == '\r') --length;
    return {start, length};
}

// The lines of a text, ended by LF or CR LF. A CR that does not end a line is reported by
// LoneCarriageReturn: javac ends lines there and tree-sitter does not.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) { Load(0, 1); }
    bool AtEnd() const { return line_.begin >= text_.size(); }
    const SourceLine& Line() const { return line_; }
    void Advance() { Load(line_.next, line_.number + 1); }
    // Moves to the line that starts at `offset` (a line start), numbered `number`.
    void MoveTo(size_t offset, int number) { Load(offset, number); }
    std::string_view Text() const { return text_; }

  private:
    void Load(size_t begin, int number);
    std::string_view text_;
    SourceLine line_;
};

// The line number (from 1) of the first line that holds a CR not followed by LF and something
// besides blanks, or 0: among blanks alone such a CR hides nothing.
int LoneCarriageReturn(std::string_view text);
inline constexpr std::string_view kLoneCarriageReturn =
    "a carriage return stands alone; lines must end with LF or CR LF";

// The text without blanks and tabs at either end.
std::string_view Trimmed(std::string_view text);

// The end of the run of ASCII name characters from `pos` (pos itself when none can begin it).
size_t AsciiNameEnd(std::string_view text, size_t pos);

// Reads pieces of a line at a position, as javac reads them. Each reader advances the position
// past what it read and returns false, leaving it where it was, when the text there is not one.
class JavaLineReader {
  public:
    explicit JavaLineReader(std::string_view line) : line_(line) {}

    // The exact text.
    bool Word(std::string_view text);
    // An identifier, its \u escapes decoded, as UTF-8. Reserved words are identifiers here.
    bool Name(std::string& out);
    // Moves past an identifier without keeping it.
    bool NameEnd();
    // A string literal's value as UTF-8 (unpaired surrogates read as U+FFFD).
    bool StringLiteral(std::string& out);
    // Moves past a string literal without keeping its value.
    bool StringLiteralEnd();
    // A decimal integer, with an optional minus sign.
    bool Integer(int64_t& out);
    bool AtEnd() const { return pos_ == line_.size(); }
    size_t Position() const { return pos_; }

  private:
    bool DecodedName(std::string& out);

    std::string_view line_;
    size_t pos_ = 0;
};

// One piece of a line form for MatchLine: exact text, where a blank matches any run of blanks
// (at least one between two name characters) and blanks may stand before punctuation; or a
// name, a string literal or an integer, read into the given place.
struct LinePiece {
    enum class Kind { Text, Name, NameAsWritten, String, Integer, Rest } kind = Kind::Text;
    std::string_view text;
    std::string* out = nullptr;
    int64_t* number = nullptr;
    std::string_view* written = nullptr;
};
inline LinePiece T(std::string_view text) {
    return {LinePiece::Kind::Text, text};
}
inline LinePiece N(std::string& out) {
    return {LinePiece::Kind::Name, {}, &out};
}
inline LinePiece S(std::string& out) {
    return {LinePiece::Kind::String, {}, &out};
}
inline LinePiece I(int64_t& number) {
    return {LinePiece::Kind::Integer, {}, nullptr, &number};
}
// A name as the line writes it (its \u escapes untranslated): a view into the line.
inline LinePiece W(std::string_view& written) {
    return {LinePiece::Kind::NameAsWritten, {}, nullptr, nullptr, &written};
}

// The rest of the line, blanks before it skipped: a view into the line; only as the last piece.
inline LinePiece R(std::string_view& rest) {
    return {LinePiece::Kind::Rest, {}, nullptr, nullptr, &rest};
}

// A name as a line writes it, its \u escapes translated: the name itself when it has none, or
// the translation kept in `scratch`.
std::string_view UnescapedName(std::string_view written, std::string& scratch);

// Whether the whole line (without its indentation and trailing blanks) is the pieces in turn.
bool MatchLine(std::string_view line, std::initializer_list<LinePiece> pieces);

// Where a stretch of text the generator did not write ends, starting at a line start in code:
// at the first line end where every bracket opened since is closed and the line's last token
// ends a statement or declaration (";" or "}"), or the line holds only comments. `end` is then
// the start of the next line; it equals `begin` when the first line closes a bracket opened
// before it. `error` tells why no end was found (a literal or comment left open, or brackets
// that never close).
struct TextExtent {
    size_t end = 0;
    std::string error;
    size_t errorAt = 0;  // offset the error refers to
};
TextExtent ScanDeveloperText(std::string_view text, size_t begin);

// The offset of the brace that closes the block whose opening brace is at `open`, or nullopt
// when it never closes (with the offset where the scan failed).
std::optional<size_t> MatchingBrace(std::string_view text, size_t open, size_t& failedAt);

// The offsets of the \u escapes of a text that javac translates (the backslash of each), with
// the UTF-16 code unit each stands for.
struct UnicodeEscape {
    size_t at = 0;
    size_t length = 0;  // the backslash, the u's and four hex digits
    char16_t unit = 0;
};
// Calls `found` for each escape in order; returns false (with the offset) at a backslash that
// begins an escape without four hex digits, which javac refuses.
template <typename Found>
bool ForEachUnicodeEscape(std::string_view text, Found found, size_t& badAt);

// --- implementation of the template ---

bool ReadUnicodeEscape(std::string_view text, size_t at, UnicodeEscape& escape);

template <typename Found>
bool ForEachUnicodeEscape(std::string_view text, Found found, size_t& badAt) {
    for (size_t i = text.find('\\'); i != std::string_view::npos;) {
        // In a run of raw backslashes only the last can be followed by "u", and it begins an
        // escape when an even number of backslashes stand before it.
        size_t last = i;
        while (last + 1 < text.size() && text[last + 1] == '\\') ++last;
        size_t next = last + 1;
        if ((last - i) % 2 == 0 && next < text.size() && text[next] == 'u') {
            UnicodeEscape escape;
            if (!ReadUnicodeEscape(text, last, escape)) {
                badAt = last;
                return false;
            }
            found(escape);
            next = last + escape.length;
        }
        i = text.find('\\', next);
    }
    return true;
}

}  // namespace korvane::javasource
