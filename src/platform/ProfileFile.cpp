#include "platform/ProfileFile.h"

#include "platform/TextCodec.h"

namespace korvane {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
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

std::string OneLine(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    return v;
}

std::string QuotedIfReadingWouldChange(std::string v) {
    bool needsQuotes = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                                      (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    return needsQuotes ? "\"" + v + "\"" : v;
}

}  // namespace

ProfileReader ProfileReader::FromBytes(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::string text = DecodeUtf8OrWindows1252(bytes);
    ProfileReader reader;
    Section* current = nullptr;  // null: before the first section, or inside a repeated one
    size_t pos = 0;
    const size_t n = text.size();
    while (pos < n) {
        size_t end = pos;
        while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
        std::string_view line = Trim(std::string_view(text).substr(pos, end - pos));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') {
            pos = end + 2;  // CR LF
        } else {
            pos = end < n ? end + 1 : end;  // LF, lone CR, or the end of the text
        }
        if (line.empty()) continue;
        if (line.front() == '[') {
            size_t close = line.rfind(']');
            if (close == std::string_view::npos || close == 0) {
                current = nullptr;
                continue;
            }
            std::string name(Trim(line.substr(1, close - 1)));
            std::string key = Lower(name);
            auto [it, inserted] = reader.sections_.try_emplace(key);
            if (inserted) {
                reader.sectionNames_.push_back(name);
                current = &it->second;
            } else {
                current = nullptr;  // the first section of a name wins
            }
            continue;
        }
        if (!current) continue;
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string key = Lower(Trim(line.substr(0, eq)));
        if (key.empty()) continue;
        std::string_view value = Unquote(Trim(line.substr(eq + 1)));
        current->values.try_emplace(std::move(key), value);  // the first key of a name wins
    }
    return reader;
}

std::string ProfileReader::Read(std::string_view section, std::string_view key) const {
    auto s = sections_.find(Lower(section));
    if (s == sections_.end()) return {};
    auto v = s->second.values.find(Lower(key));
    return v == s->second.values.end() ? std::string() : v->second;
}

bool ProfileReader::HasSection(std::string_view section) const {
    return sections_.count(Lower(section)) != 0;
}

void ProfileWriter::WriteText(std::string_view section, std::string_view key,
                              std::string_view value) {
    Set(section, key, QuotedIfReadingWouldChange(OneLine(value)));
}

void ProfileWriter::Write(std::string_view section, std::string_view key, std::string_view value) {
    Set(section, key, OneLine(value));
}

void ProfileWriter::Set(std::string_view section, std::string_view key, std::string value) {
    std::string sectionKey = Lower(section);
    auto [sit, newSection] = sectionIndex_.try_emplace(sectionKey, sections_.size());
    if (newSection) sections_.push_back(Section{std::string(section), {}, {}});
    Section& s = sections_[sit->second];
    std::string entryKey = Lower(key);
    auto [kit, newKey] = s.keyIndex.try_emplace(entryKey, s.entries.size());
    if (newKey) {
        s.entries.push_back(Entry{std::string(key), std::move(value)});
    } else {
        s.entries[kit->second].value = std::move(value);
    }
}

std::string ProfileWriter::Text() const {
    size_t size = 0;
    for (const Section& s : sections_) {
        size += s.name.size() + 4;
        for (const Entry& e : s.entries) size += e.key.size() + e.value.size() + 3;
    }
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_) {
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (const Entry& e : s.entries) {
            out += e.key;
            out += '=';
            out += e.value;
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace korvane
