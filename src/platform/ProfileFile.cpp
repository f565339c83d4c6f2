#include "platform/ProfileFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "platform/Text.h"
#include "platform/TextCodec.h"

namespace korvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Unquote(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

// Finds the next place of one byte from a position on. Each search starts where the last one
// ended up, so that every byte of a text is looked at once, however its lines end.
class NextByte {
  public:
    NextByte(std::string_view text, char byte) : text_(text), byte_(byte) {}
    size_t From(size_t pos) {
        if (!known_ || found_ < pos) {
            const void* hit = std::memchr(text_.data() + pos, byte_, text_.size() - pos);
            found_ = hit ? static_cast<size_t>(static_cast<const char*>(hit) - text_.data())
                         : text_.size();
            known_ = true;
        }
        return found_;
    }

  private:
    std::string_view text_;
    char byte_;
    bool known_ = false;
    size_t found_ = 0;
};

}  // namespace

ProfileReader ProfileReader::FromBytes(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        bytes.remove_prefix(kByteOrderMark.size());
    ProfileReader reader;
    reader.text_ = IsValidUtf8(bytes) ? std::string(bytes) : DecodeUtf8OrWindows1252(bytes);
    reader.Parse();
    return reader;
}

ProfileReader ProfileReader::FromOwnedBytes(std::string&& bytes) {
    if (std::string_view(bytes).substr(0, kByteOrderMark.size()) == kByteOrderMark ||
        !IsValidUtf8(bytes))
        return FromBytes(std::string_view(bytes));
    ProfileReader reader;
    reader.text_ = std::move(bytes);
    reader.Parse();
    return reader;
}

void ProfileReader::Parse() {
    if (text_.size() > std::numeric_limits<uint32_t>::max())
        text_.resize(std::numeric_limits<uint32_t>::max());
    const std::string_view text(text_);
    auto spanOf = [&](std::string_view piece) {
        return Span{static_cast<uint32_t>(piece.data() - text.data()),
                    static_cast<uint32_t>(piece.size())};
    };
    // One entry for each equals sign at most, and for each three bytes ("k=" and a line end):
    // reserved at once, the index is never copied as it grows, and the room no entry takes is
    // never touched, so it costs no memory.
    constexpr size_t kMostReservedEntries = size_t{1} << 26;
    const auto [equalsSigns, brackets] = CountOfBytes(text, '=', '[');
    entries_.reserve(std::min({equalsSigns, text.size() / 3 + 1, kMostReservedEntries}));
    // The same for the sections: one for each opening bracket and three bytes ("[x]") at most.
    sections_.reserve(std::min({brackets, text.size() / 3 + 1, kMostReservedEntries}));
    bool inSection = false;  // false before the first section and inside a repeated one
    size_t pos = 0;
    const size_t n = text.size();
    NextByte lineFeed(text, '\n'), carriageReturn(text, '\r');
    while (pos < n) {
        const size_t end = std::min(lineFeed.From(pos), carriageReturn.From(pos));
        const std::string_view line = Trimmed(text.substr(pos, end - pos));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') {
            pos = end + 2;  // CR LF
        } else {
            loneCarriageReturns_ = loneCarriageReturns_ || (end < n && text[end] == '\r');
            pos = end < n ? end + 1 : end;  // LF, lone CR, or the end of the text
        }
        if (line.empty()) continue;
        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            inSection = close != std::string_view::npos && close != 0 &&
                        AddSection(spanOf(Trimmed(line.substr(1, close - 1))));
            continue;
        }
        if (!inSection) continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const Span key = spanOf(Trimmed(line.substr(0, eq)));
        if (key.size == 0) continue;
        entries_.push_back(Entry{key.offset, key.offset + key.size});
    }
}

bool ProfileReader::AddSection(Span name) {
    sections_.push_back(IndexedSection{name, static_cast<uint32_t>(entries_.size())});
    const size_t added = sections_.size() - 1;
    if (sectionNames_.Insert(added, [this](size_t i) { return TextOf(sections_[i].name); }) ==
        added)
        return true;
    sections_.pop_back();
    return false;
}

size_t ProfileReader::Find(std::string_view name) const {
    return sectionNames_.Find(name, [this](size_t k) { return TextOf(sections_[k].name); });
}

ProfileReader::SectionView ProfileReader::Section(std::string_view section) const {
    SectionView view;
    if (const size_t i = Find(section); i != SectionNumbers::npos) {
        const size_t end = i + 1 < sections_.size() ? sections_[i + 1].firstEntry : entries_.size();
        view.reader_ = this;
        view.first_ = sections_[i].firstEntry;
        view.count_ = static_cast<uint32_t>(end - sections_[i].firstEntry);
    }
    return view;
}

std::string_view ProfileReader::KeyOf(const Entry& entry) const {
    return std::string_view(text_).substr(entry.keyStart, entry.keyEnd - entry.keyStart);
}

std::string_view ProfileReader::ValueOf(const Entry& entry) const {
    // Only blanks stand between the key and its equals sign.
    size_t equals = entry.keyEnd;
    while (text_[equals] != '=') ++equals;
    const std::string_view rest = std::string_view(text_).substr(equals + 1);
    std::string_view line = rest.substr(0, rest.find('\n'));
    if (loneCarriageReturns_) {
        line = line.substr(0, line.find('\r'));
    } else if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return Unquote(Trimmed(line));
}

std::string_view ProfileReader::SectionView::View(std::string_view key) const {
    if (!reader_) return {};
    // The first key of a name wins.
    for (uint32_t i = first_; i < first_ + count_; ++i) {
        const Entry& e = reader_->entries_[i];
        if (EqualIgnoringAsciiCase(reader_->KeyOf(e), key)) return reader_->ValueOf(e);
    }
    return {};
}

void ProfileReader::SectionView::ViewEach(std::span<const std::string_view> keys,
                                          std::span<std::string_view> values) const {
    for (std::string_view& value : values) value = {};
    if (!reader_) return;
    // The keys still to be found, as bits: the first key of a name wins. More than 64 keys
    // are asked one by one.
    if (keys.size() > 64) {
        for (size_t k = 0; k < keys.size(); ++k) values[k] = View(keys[k]);
        return;
    }
    uint64_t missing = keys.size() == 64 ? ~uint64_t{0} : (uint64_t{1} << keys.size()) - 1;
    for (uint32_t i = first_; i < first_ + count_ && missing != 0; ++i) {
        const Entry& e = reader_->entries_[i];
        const std::string_view name = reader_->KeyOf(e);
        // Every key still missing that names this entry: a key may be asked twice, in two cases.
        for (uint64_t rest = missing; rest != 0; rest &= rest - 1) {
            const auto k = static_cast<size_t>(std::countr_zero(rest));
            if (!EqualIgnoringAsciiCase(name, keys[k])) continue;
            missing &= ~(uint64_t{1} << k);
            values[k] = reader_->ValueOf(e);
        }
    }
}

std::string ProfileReader::Read(std::string_view section, std::string_view key) const {
    return Section(section).Read(key);
}

bool ProfileReader::HasSection(std::string_view section) const {
    return Find(section) != SectionNumbers::npos;
}

std::vector<std::string> ProfileReader::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const IndexedSection& s : sections_) names.emplace_back(TextOf(s.name));
    return names;
}

void ProfileWriter::WriteText(std::string_view section, std::string_view key,
                              std::string_view value) {
    Set(section, key, value, true);
}

void ProfileWriter::Write(std::string_view section, std::string_view key, std::string_view value) {
    Set(section, key, value, false);
}

void ProfileWriter::Reserve(size_t keys, size_t bytes) {
    entries_.reserve(keys);
    store_.reserve(bytes);
}

ProfileWriter::Span ProfileWriter::StoreValue(std::string_view value, bool quoteIfChanged) {
    // A value is one line: line breaks become blanks, which then count as blanks at its ends.
    auto oneLine = [](char c) { return c == '\r' || c == '\n' ? ' ' : c; };
    const bool quote = quoteIfChanged && !value.empty() &&
                       (IsBlank(oneLine(value.front())) || IsBlank(oneLine(value.back())) ||
                        (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    const size_t start = store_.size();
    if (quote) store_ += '"';
    const size_t lineBreak = std::min(value.find('\r'), value.find('\n'));
    store_ += value.substr(0, lineBreak);
    if (lineBreak != std::string_view::npos)
        for (char c : value.substr(lineBreak)) store_ += oneLine(c);
    if (quote) store_ += '"';
    const Span span{start, store_.size() - start};
    store_ += "\r\n";
    return span;
}

ProfileWriter::Section& ProfileWriter::SectionNamed(std::string_view name) {
    const size_t added = sections_.size();
    const size_t start = store_.size();
    store_ += '[';
    sections_.push_back(Section{Span{store_.size(), name.size()}, 0, 0});
    store_ += name;
    store_ += "]\r\n";
    current_ = sectionNames_.Insert(added, [this](size_t i) { return Piece(sections_[i].name); });
    if (current_ != added) {
        // Back to an earlier section: the header just stored is not used.
        sections_.pop_back();
        store_.resize(start);
        storeIsText_ = false;
    }
    return sections_[current_];
}

void ProfileWriter::Set(std::string_view section, std::string_view key, std::string_view value,
                        bool quoteIfChanged) {
    // Writes mostly go to the section written last.
    Section& s =
        !sections_.empty() && EqualIgnoringAsciiCase(Piece(sections_[current_].name), section)
            ? sections_[current_]
            : SectionNamed(section);
    // A section holds few keys: looking through them is quicker than an index of them. A
    // replaced value leaves its old text unused in the store.
    const uint64_t bit = KeyBit(key);
    for (size_t e = (s.keyBits & bit) ? s.first : 0; e != 0; e = entries_[e - 1].next) {
        Entry& entry = entries_[e - 1];
        if (EqualIgnoringAsciiCase(Piece(entry.key), key)) {
            entry.value = StoreValue(value, quoteIfChanged);
            storeIsText_ = false;
            return;
        }
    }
    const Span keySpan{store_.size(), key.size()};
    store_ += key;
    store_ += '=';
    entries_.push_back(Entry{keySpan, StoreValue(value, quoteIfChanged), 0});
    if (s.last != 0) {
        entries_[s.last - 1].next = entries_.size();
    } else {
        s.first = entries_.size();
    }
    s.last = entries_.size();
    s.keyBits |= bit;
}

uint64_t ProfileWriter::KeyBit(std::string_view key) {
    // Mixed so that the keys of a component's and a menu element's section have bits apart.
    const auto at = [key](size_t i) -> size_t {
        return i < key.size() ? static_cast<unsigned char>(FoldAsciiCase(key[i])) : 0;
    };
    const size_t last = key.empty() ? 0 : at(key.size() - 1);
    return uint64_t{1} << ((at(0) + at(1) * 5 + last + key.size()) & 63);
}

std::string ProfileWriter::Text() const& {
    if (storeIsText_) return store_;
    size_t size = 0;
    for (const Section& s : sections_) size += s.name.size + 4;
    for (const Entry& e : entries_) size += e.key.size + e.value.size + 3;
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_) {
        out += '[';
        out += Piece(s.name);
        out += "]\r\n";
        for (size_t e = s.first; e != 0; e = entries_[e - 1].next) {
            out += Piece(entries_[e - 1].key);
            out += '=';
            out += Piece(entries_[e - 1].value);
            out += "\r\n";
        }
    }
    return out;
}

std::string ProfileWriter::Text() && {
    if (storeIsText_) return std::move(store_);
    return static_cast<const ProfileWriter&>(*this).Text();
}

}  // namespace korvane
