#include "javasource/JavaLexis.h"

#include <array>
#include <cstring>

#include "codegen/JavaText.h"
#include "platform/TextCodec.h"

namespace korvane::javasource {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kNone = 0xFFFFFFFF;

// Java's input characters of a line, \u escapes translated, as code points: a surrogate pair
// written as two escapes is one code point. Raw bytes that are not ASCII are read as UTF-8.
class InputChars {
  public:
    InputChars(std::string_view text, size_t pos) : text_(text), pos_(pos) {}
    size_t Position() const { return pos_; }
    // The next character, or kNone at the end; `escaped` says whether it came from a \u escape.
    char32_t Next(bool& escaped) {
        escaped = false;
        if (pos_ >= text_.size()) return kNone;
        const char c = text_[pos_];
        if (c == '\\') {
            UnicodeEscape escape;
            if (rawBackslashes_ % 2 == 0 && ReadUnicodeEscape(text_, pos_, escape)) {
                pos_ += escape.length;
                rawBackslashes_ = 0;
                escaped = true;
                return Paired(escape.unit);
            }
            ++pos_;
            ++rawBackslashes_;
            return '\\';
        }
        rawBackslashes_ = 0;
        if (static_cast<unsigned char>(c) < 0x80) {
            ++pos_;
            return static_cast<unsigned char>(c);
        }
        return Utf8();
    }

  private:
    char32_t Paired(char16_t unit) {
        if (unit < 0xD800 || unit > 0xDFFF) return unit;
        UnicodeEscape low;
        if (unit <= 0xDBFF && pos_ < text_.size() && text_[pos_] == '\\' &&
            ReadUnicodeEscape(text_, pos_, low) && low.unit >= 0xDC00 && low.unit <= 0xDFFF) {
            pos_ += low.length;
            return 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{low.unit} - 0xDC00);
        }
        return kReplacement;
    }
    char32_t Utf8() {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(text_[k]); };
        const unsigned char lead = byte(pos_);
        size_t length = (lead & 0xE0) == 0xC0   ? 2
                        : (lead & 0xF0) == 0xE0 ? 3
                        : (lead & 0xF8) == 0xF0 ? 4
                                                : 0;
        if (length == 0 || pos_ + length > text_.size()) {
            ++pos_;
            return kReplacement;
        }
        char32_t cp = lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            if ((byte(pos_ + k) & 0xC0) != 0x80) {
                ++pos_;
                return kReplacement;
            }
            cp = (cp << 6) | (byte(pos_ + k) & 0x3F);
        }
        pos_ += length;
        return cp;
    }

    std::string_view text_;
    size_t pos_;
    size_t rawBackslashes_ = 0;
};

// The character an escape sequence of one character after the backslash stands for, or '\0'.
char SimpleEscape(char c) {
    switch (c) {
        case 'b':
            return '\b';
        case 't':
            return '\t';
        case 'n':
            return '\n';
        case 'f':
            return '\f';
        case 'r':
            return '\r';
        case 's':
            return ' ';
        case '"':
        case '\'':
        case '\\':
            return c;
        default:
            return '\0';
    }
}

// The ASCII characters of names: kNamePart for every one, kNameStart for those a name may
// begin with.
constexpr uint8_t kNamePart = 1, kNameStart = 2;
constexpr std::array<uint8_t, 256> kAsciiName = [] {
    std::array<uint8_t, 256> table{};
    for (int c = 0; c < 128; ++c) {
        const bool letter =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
        if (letter) table[static_cast<size_t>(c)] = kNamePart | kNameStart;
        if (c >= '0' && c <= '9') table[static_cast<size_t>(c)] = kNamePart;
    }
    return table;
}();

}  // namespace

size_t AsciiNameEnd(std::string_view line, size_t pos) {
    if (pos >= line.size() || !(kAsciiName[static_cast<unsigned char>(line[pos])] & kNameStart))
        return pos;
    size_t end = pos + 1;
    while (end < line.size() && (kAsciiName[static_cast<unsigned char>(line[end])] & kNamePart))
        ++end;
    return end;
}

namespace {

// What each byte is inside a string literal: printable ASCII other than " and \ stands for
// itself; an escape of one character after a backslash stands for that character.
constexpr uint8_t kPlain = 1, kSimpleEscape = 2;
constexpr std::array<uint8_t, 256> kLiteralByte = [] {
    std::array<uint8_t, 256> table{};
    for (int c = 0x20; c < 0x7F; ++c)
        if (c != '"' && c != '\\') table[static_cast<size_t>(c)] = kPlain;
    for (const char c : std::string_view("btnfrs\"'\\"))
        table[static_cast<unsigned char>(c)] |= kSimpleEscape;
    return table;
}();

bool IsLiteralByte(char c, uint8_t kind) {
    return (kLiteralByte[static_cast<unsigned char>(c)] & kind) != 0;
}

// The end of the run of printable ASCII characters other than " and \ from `pos`.
size_t PlainRunEnd(std::string_view text, size_t pos) {
    while (pos < text.size() && IsLiteralByte(text[pos], kPlain)) ++pos;
    return pos;
}

// The end of a literal from `pos` (after its opening quote) made of printable ASCII and escapes
// of one character, just after its closing quote; 0 when it holds anything else or never ends.
size_t SimpleLiteralEnd(std::string_view text, size_t pos) {
    while (true) {
        pos = PlainRunEnd(text, pos);
        if (pos >= text.size()) return 0;
        if (text[pos] == '"') return pos + 1;
        if (text[pos] != '\\' || pos + 1 >= text.size() ||
            !IsLiteralByte(text[pos + 1], kSimpleEscape))
            return 0;
        pos += 2;
    }
}

bool IsNameChar(char32_t c, bool first) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$') return true;
    if (c >= '0' && c <= '9') return !first;
    if (c < 0x80 || c == kNone) return false;
    std::string utf8;
    AppendUtf8(utf8, c);
    // A non-ASCII letter: judged as the generator judges names, with a letter before it.
    return IsJavaIdentifier(first ? utf8 : "a" + utf8);
}

}  // namespace

void LineCursor::Load(size_t begin, int number) {
    line_.begin = begin;
    line_.number = number;
    if (begin >= text_.size()) {
        line_.text = line_.code = {};
        line_.next = text_.size();
        return;
    }
    line_.text = LineAt(text_, begin, line_.next);
    line_.code = Trimmed(line_.text);
}

int LoneCarriageReturn(std::string_view text) {
    int line = 1;
    bool lone = false, content = false;  // in the line so far
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            if (lone && content) return line;
            ++line;
            lone = content = false;
        } else if (c == '\r') {
            lone = lone || i + 1 == text.size() || text[i + 1] != '\n';
        } else if (c != ' ' && c != '\t' && c != '\f') {
            content = true;
        }
    }
    return lone && content ? line : 0;
}

std::string_view Trimmed(std::string_view text) {
    if (text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back()))) return text;
    const char* begin = text.data();
    const char* end = begin + text.size();
    // Indentation comes in runs of spaces: eight at a time first.
    constexpr uint64_t kEightSpaces = 0x2020202020202020;
    for (uint64_t eight = 0; end - begin >= 8; begin += 8) {
        std::memcpy(&eight, begin, 8);
        if (eight != kEightSpaces) break;
    }
    while (begin < end && (*begin == ' ' || *begin == '\t')) ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t')) --end;
    return {begin, static_cast<size_t>(end - begin)};
}

bool ReadUnicodeEscape(std::string_view text, size_t at, UnicodeEscape& escape) {
    size_t i = at + 1;
    if (i >= text.size() || text[i] != 'u') return false;
    while (i < text.size() && text[i] == 'u') ++i;
    if (i + 4 > text.size()) return false;
    unsigned unit = 0;
    for (size_t k = 0; k < 4; ++k) {
        const int v = HexValue(text[i + k]);
        if (v < 0) return false;
        unit = unit * 16 + static_cast<unsigned>(v);
    }
    escape = {at, i + 4 - at, static_cast<char16_t>(unit)};
    return true;
}

bool JavaLineReader::Word(std::string_view text) {
    if (line_.substr(pos_, text.size()) != text) return false;
    pos_ += text.size();
    return true;
}

bool JavaLineReader::Name(std::string& out) {
    // Most names are plain ASCII: taken as they stand.
    const size_t end = AsciiNameEnd(line_, pos_);
    if (end > pos_ && (end == line_.size() ||
                       (line_[end] != '\\' && static_cast<unsigned char>(line_[end]) < 0x80))) {
        out.assign(line_, pos_, end - pos_);
        pos_ = end;
        return true;
    }
    return DecodedName(out);
}

bool JavaLineReader::NameEnd() {
    const size_t end = AsciiNameEnd(line_, pos_);
    if (end > pos_ && (end == line_.size() ||
                       (line_[end] != '\\' && static_cast<unsigned char>(line_[end]) < 0x80))) {
        pos_ = end;
        return true;
    }
    std::string ignored;
    return DecodedName(ignored);
}

bool JavaLineReader::DecodedName(std::string& out) {
    InputChars chars(line_, pos_);
    std::string name;
    size_t end = pos_;
    for (bool first = true;; first = false) {
        bool escaped = false;
        const char32_t c = chars.Next(escaped);
        if (!IsNameChar(c, first)) break;
        AppendUtf8(name, c);
        end = chars.Position();
    }
    if (name.empty()) return false;
    out = std::move(name);
    pos_ = end;
    return true;
}

bool JavaLineReader::StringLiteral(std::string& out) {
    if (pos_ >= line_.size() || line_[pos_] != '"') return false;
    // Most literals are printable ASCII without escapes: taken as they stand.
    size_t end = PlainRunEnd(line_, pos_ + 1);
    if (end < line_.size() && line_[end] == '"') {
        out.assign(line_, pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        return true;
    }
    std::string value;
    // Room for the value at once: it is never longer than the literal.
    if (const size_t literalEnd = SimpleLiteralEnd(line_, end)) value.reserve(literalEnd - pos_);
    value.assign(line_, pos_ + 1, end - pos_ - 1);
    // Escape sequences of ASCII characters without \u escapes around them, in place; from
    // anything else on, character by character as javac reads them.
    while (end + 1 < line_.size() && line_[end] == '\\') {
        const char escaped = SimpleEscape(line_[end + 1]);
        if (!escaped) break;
        value += escaped;
        const size_t run = end + 2;
        end = PlainRunEnd(line_, run);
        value.append(line_, run, end - run);
    }
    if (end < line_.size() && line_[end] == '"') {
        out = std::move(value);
        pos_ = end + 1;
        return true;
    }
    InputChars chars(line_, end);
    while (true) {
        bool escaped = false;
        char32_t c = chars.Next(escaped);
        if (c == kNone || c == '\n' || c == '\r') return false;
        if (c == '"') break;
        if (c != '\\') {
            AppendUtf8(value, c);
            continue;
        }
        // An escape sequence, read from the translated characters.
        c = chars.Next(escaped);
        if (const char simple = c < 0x80 ? SimpleEscape(static_cast<char>(c)) : '\0') {
            value += simple;
            continue;
        }
        if (c < '0' || c > '7') return false;
        // Octal: up to three digits, the first at most 3 when there are three.
        unsigned octal = c - '0';
        for (int k = 0; k < (c <= '3' ? 2 : 1); ++k) {
            InputChars peek = chars;
            bool peekEscaped = false;
            const char32_t d = peek.Next(peekEscaped);
            if (d < '0' || d > '7') break;
            octal = octal * 8 + (d - '0');
            chars = peek;
        }
        AppendUtf8(value, octal);
    }
    out = std::move(value);
    pos_ = chars.Position();
    return true;
}

bool JavaLineReader::StringLiteralEnd() {
    if (pos_ >= line_.size() || line_[pos_] != '"') return false;
    if (const size_t end = SimpleLiteralEnd(line_, pos_ + 1)) {
        pos_ = end;
        return true;
    }
    std::string ignored;
    return StringLiteral(ignored);
}

bool JavaLineReader::Integer(int64_t& out) {
    size_t i = pos_;
    const bool negative = i < line_.size() && line_[i] == '-';
    if (negative) ++i;
    const size_t digits = i;
    int64_t value = 0;
    while (i < line_.size() && line_[i] >= '0' && line_[i] <= '9') {
        if (value > (INT64_MAX - 9) / 10) return false;
        value = value * 10 + (line_[i++] - '0');
    }
    if (i == digits) return false;
    out = negative ? -value : value;
    pos_ = i;
    return true;
}

namespace {

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

// Whether line[pos...] begins with text (pos is within the line). The texts are short: compared
// in place rather than by a call.
bool TextAt(std::string_view line, size_t pos, std::string_view text) {
    if (text.size() > line.size() - pos) return false;
    const char* at = line.data() + pos;
    for (size_t k = 0; k < text.size(); ++k)
        if (at[k] != text[k]) return false;
    return true;
}

// Matches exact text with the blank rules of LinePiece at line[pos].
bool MatchText(std::string_view line, size_t& pos, std::string_view text) {
    // The generator's own spacing first: the text exactly.
    if (TextAt(line, pos, text)) {
        pos += text.size();
        return true;
    }
    size_t i = pos;
    for (size_t k = 0; k < text.size(); ++k) {
        const char p = text[k];
        if (p == ' ') {
            const size_t start = i;
            while (i < line.size() && IsBlank(line[i])) ++i;
            const bool between =
                k > 0 && k + 1 < text.size() && IsWordChar(text[k - 1]) && IsWordChar(text[k + 1]);
            if (between && i == start) return false;
            continue;
        }
        // Blanks may stand around punctuation, as Java allows.
        if (!IsWordChar(p) || (k > 0 && !IsWordChar(text[k - 1]) && text[k - 1] != ' '))
            while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size() || line[i] != p) return false;
        ++i;
    }
    pos = i;
    return true;
}

}  // namespace

std::string_view UnescapedName(std::string_view written, std::string& scratch) {
    if (written.find('\\') == std::string_view::npos) return written;
    JavaLineReader reader(written);
    if (!reader.Name(scratch)) return written;
    return scratch;
}

bool MatchLine(std::string_view line, std::initializer_list<LinePiece> pieces) {
    line = Trimmed(line);
    size_t pos = 0;
    for (const LinePiece& piece : pieces) {
        if (piece.kind == LinePiece::Kind::Text) {
            if (!MatchText(line, pos, piece.text)) return false;
            continue;
        }
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        if (piece.kind == LinePiece::Kind::Rest) {
            *piece.written = line.substr(pos);
            return true;
        }
        JavaLineReader reader(line.substr(pos));
        bool read = false;
        switch (piece.kind) {
            case LinePiece::Kind::Name:
                read = reader.Name(*piece.out);
                break;
            case LinePiece::Kind::NameAsWritten:
                read = reader.NameEnd();
                if (read) *piece.written = line.substr(pos, reader.Position());
                break;
            case LinePiece::Kind::String:
                read = reader.StringLiteral(*piece.out);
                break;
            case LinePiece::Kind::Integer:
                read = reader.Integer(*piece.number);
                break;
            default:
                break;
        }
        if (!read) return false;
        pos += reader.Position();
    }
    return pos == line.size();
}

namespace {

// A scanner of raw Java text that knows where comments and literals are, for finding where
// brackets close. \u escapes are not translated here: text whose escapes would change what it
// means is refused when it is parsed (SyntaxCheck).
class BracketScanner {
  public:
    BracketScanner(std::string_view text, size_t pos) : text_(text), pos_(pos) {}

    enum class Step { Open, Close, Statement, Other, LineEnd, End, Error };
    // Moves over the next token or line end in code.
    Step Next() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++pos_;
                return Step::LineEnd;
            }
            if (c == ' ' || c == '\t' || c == '\r' || c == '\f') {
                ++pos_;
                continue;
            }
            if (c == '/' && At(pos_ + 1) == '/') {
                const size_t lf = text_.find('\n', pos_);
                pos_ = lf == std::string_view::npos ? text_.size() : lf;
                continue;
            }
            if (c == '/' && At(pos_ + 1) == '*') {
                const size_t close = text_.find("*/", pos_ + 2);
                if (close == std::string_view::npos) return Fail("a comment that is never closed");
                pos_ = close + 2;
                continue;
            }
            if (c == '"' && text_.substr(pos_, 3) == "\"\"\"") return TextBlock();
            if (c == '"' || c == '\'') return Literal(c);
            ++pos_;
            if (c == '{' || c == '(' || c == '[') return Step::Open;
            if (c == '}' || c == ')' || c == ']') return Step::Close;
            if (c == ';') return Step::Statement;
            return Step::Other;
        }
        return Step::End;
    }
    size_t Position() const { return pos_; }
    const std::string& Error() const { return error_; }
    size_t ErrorAt() const { return errorAt_; }

  private:
    char At(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }
    Step Fail(const char* why) {
        error_ = why;
        errorAt_ = pos_;
        return Step::Error;
    }
    Step Literal(char quote) {
        const size_t start = pos_;
        for (size_t i = pos_ + 1; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == '\\') {
                ++i;
            } else if (c == quote) {
                pos_ = i + 1;
                return Step::Other;
            } else if (c == '\n' || c == '\r') {
                break;
            }
        }
        pos_ = start;
        return Fail(quote == '"' ? "a string that is not closed on its line"
                                 : "a character literal that is not closed on its line");
    }
    Step TextBlock() {
        const size_t start = pos_;
        for (size_t i = pos_ + 3; i < text_.size(); ++i) {
            if (text_[i] == '\\') {
                ++i;
            } else if (text_.substr(i, 3) == "\"\"\"") {
                pos_ = i + 3;
                return Step::Other;
            }
        }
        pos_ = start;
        return Fail("a text block that is never closed");
    }

    std::string_view text_;
    size_t pos_;
    std::string error_;
    size_t errorAt_ = 0;
};

}  // namespace

TextExtent ScanDeveloperText(std::string_view text, size_t begin) {
    BracketScanner scanner(text, begin);
    int depth = 0;
    size_t lineStart = begin;
    bool lineHasToken = false;
    BracketScanner::Step last = BracketScanner::Step::LineEnd;
    while (true) {
        const size_t before = scanner.Position();
        const BracketScanner::Step step = scanner.Next();
        switch (step) {
            case BracketScanner::Step::Error:
                return {begin, scanner.Error(), scanner.ErrorAt()};
            case BracketScanner::Step::End:
                if (depth == 0) return {text.size(), {}, 0};
                return {begin, "brackets that are opened and never closed", begin};
            case BracketScanner::Step::LineEnd:
                if (depth == 0 && (!lineHasToken || last == BracketScanner::Step::Statement ||
                                   last == BracketScanner::Step::Close))
                    return {scanner.Position(), {}, 0};
                lineStart = scanner.Position();
                lineHasToken = false;
                break;
            case BracketScanner::Step::Open:
                ++depth;
                break;
            case BracketScanner::Step::Close:
                if (depth == 0) {
                    // A bracket closed that was opened before the text: the text ends before
                    // this line, unless the line began inside the text.
                    if (lineHasToken)
                        return {begin, "a closing bracket without its opening one", before};
                    return {lineStart, {}, 0};
                }
                --depth;
                break;
            default:
                break;
        }
        if (step != BracketScanner::Step::LineEnd) {
            lineHasToken = true;
            last = step;
        }
    }
}

std::optional<size_t> MatchingBrace(std::string_view text, size_t open, size_t& failedAt) {
    BracketScanner scanner(text, open + 1);
    int depth = 1;
    while (true) {
        const size_t before = scanner.Position();
        switch (scanner.Next()) {
            case BracketScanner::Step::Error:
                failedAt = scanner.ErrorAt();
                return std::nullopt;
            case BracketScanner::Step::End:
                failedAt = open;
                return std::nullopt;
            case BracketScanner::Step::Open:
                ++depth;
                break;
            case BracketScanner::Step::Close: {
                if (--depth > 0) break;
                // The token is one character; find it past any blanks.
                size_t at = before;
                while (at < text.size() && text[at] != '}' && text[at] != ')' && text[at] != ']')
                    ++at;
                if (text[at] != '}') {
                    failedAt = at;
                    return std::nullopt;
                }
                return at;
            }
            default:
                break;
        }
    }
}

}  // namespace korvane::javasource
