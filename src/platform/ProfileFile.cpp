#include "platform/ProfileFile.h"

#include <algorithm>
#include <limits>

#include "platform/TextCodec.h"

namespace korvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool CaseBlindEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

// FNV-1a over the lower-cased bytes.
size_t CaseBlindHash(std::string_view s) {
    uint64_t h = 14695981039346656037ull;
    for (char c : s) {
        h ^= static_cast<unsigned char>(LowerAscii(c));
        h *= 1099511628211ull;
    }
    return static_cast<size_t>(h ^ (h >> 32));
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string_view Unquote(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

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
    bool inSection = false;  // false before the first section and inside a repeated one
    size_t pos = 0;
    const size_t n = text.size();
    while (pos < n) {
        size_t end = pos;
        while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
        const std::string_view line = Trim(text.substr(pos, end - pos));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') {
            pos = end + 2;  // CR LF
        } else {
            pos = end < n ? end + 1 : end;  // LF, lone CR, or the end of the text
        }
        if (line.empty()) continue;
        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            inSection = close != std::string_view::npos && close != 0 &&
                        AddSection(spanOf(Trim(line.substr(1, close - 1))));
            continue;
        }
        if (!inSection) continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, eq));
        if (key.empty()) continue;
        entries_.push_back(Entry{spanOf(key), spanOf(Unquote(Trim(line.substr(eq + 1))))});
        ++sections_.back().entryCount;
    }
}

bool ProfileReader::AddSection(Span name) {
    if (Find(TextOf(name))) return false;
    if ((sections_.size() + 1) * 2 > buckets_.size()) GrowBuckets();
    sections_.push_back(IndexedSection{name, static_cast<uint32_t>(entries_.size()), 0});
    const size_t mask = buckets_.size() - 1;
    size_t b = CaseBlindHash(TextOf(name)) & mask;
    while (buckets_[b] != 0) b = (b + 1) & mask;
    buckets_[b] = static_cast<uint32_t>(sections_.size());
    return true;
}

void ProfileReader::GrowBuckets() {
    buckets_.assign(std::max<size_t>(16, buckets_.size() * 2), 0);
    const size_t mask = buckets_.size() - 1;
    for (size_t i = 0; i < sections_.size(); ++i) {
        size_t b = CaseBlindHash(TextOf(sections_[i].name)) & mask;
        while (buckets_[b] != 0) b = (b + 1) & mask;
        buckets_[b] = static_cast<uint32_t>(i + 1);
    }
}

const ProfileReader::IndexedSection* ProfileReader::Find(std::string_view name) const {
    if (buckets_.empty()) return nullptr;
    const size_t mask = buckets_.size() - 1;
    for (size_t b = CaseBlindHash(name) & mask; buckets_[b] != 0; b = (b + 1) & mask) {
        const IndexedSection& s = sections_[buckets_[b] - 1];
        if (CaseBlindEqual(TextOf(s.name), name)) return &s;
    }
    return nullptr;
}

ProfileReader::SectionView ProfileReader::Section(std::string_view section) const {
    SectionView view;
    if (const IndexedSection* s = Find(section)) {
        view.reader_ = this;
        view.first_ = s->firstEntry;
        view.count_ = s->entryCount;
    }
    return view;
}

std::string_view ProfileReader::SectionView::View(std::string_view key) const {
    if (!reader_) return {};
    // The first key of a name wins.
    for (uint32_t i = first_; i < first_ + count_; ++i) {
        const Entry& e = reader_->entries_[i];
        if (CaseBlindEqual(reader_->TextOf(e.key), key)) return reader_->TextOf(e.value);
    }
    return {};
}

std::string ProfileReader::Read(std::string_view section, std::string_view key) const {
    return Section(section).Read(key);
}

bool ProfileReader::HasSection(std::string_view section) const {
    return Find(section) != nullptr;
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

ProfileWriter::Span ProfileWriter::Store(std::string_view text) {
    const Span span{store_.size(), text.size()};
    store_ += text;
    return span;
}

ProfileWriter::Span ProfileWriter::StoreValue(std::string_view value, bool quoteIfChanged) {
    // A value is one line: line breaks become blanks, which then count as blanks at its ends.
    auto oneLine = [](char c) { return c == '\r' || c == '\n' ? ' ' : c; };
    const bool quote = quoteIfChanged && !value.empty() &&
                       (IsBlank(oneLine(value.front())) || IsBlank(oneLine(value.back())) ||
                        (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    const size_t start = store_.size();
    if (quote) store_ += '"';
    for (char c : value) store_ += oneLine(c);
    if (quote) store_ += '"';
    return Span{start, store_.size() - start};
}

void ProfileWriter::Set(std::string_view section, std::string_view key, std::string_view value,
                        bool quoteIfChanged) {
    // Writes mostly go to the section written last.
    if (sections_.empty() || !CaseBlindEqual(Piece(sections_[current_].name), section)) {
        auto [it, newSection] = sectionIndex_.try_emplace(Lower(section), sections_.size());
        if (newSection) sections_.push_back(Section{Store(section), {}});
        current_ = it->second;
    }
    // A section holds few keys: looking through them is quicker than an index of them. A
    // replaced value leaves its old text unused in the store.
    std::vector<Entry>& entries = sections_[current_].entries;
    for (Entry& e : entries) {
        if (CaseBlindEqual(Piece(e.key), key)) {
            e.value = StoreValue(value, quoteIfChanged);
            return;
        }
    }
    const Span keySpan = Store(key);
    entries.push_back(Entry{keySpan, StoreValue(value, quoteIfChanged)});
}

std::string ProfileWriter::Text() const {
    size_t size = 0;
    for (const Section& s : sections_) {
        size += s.name.size + 4;
        for (const Entry& e : s.entries) size += e.key.size + e.value.size + 3;
    }
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_) {
        out += '[';
        out += Piece(s.name);
        out += "]\r\n";
        for (const Entry& e : s.entries) {
            out += Piece(e.key);
            out += '=';
            out += Piece(e.value);
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace korvane
