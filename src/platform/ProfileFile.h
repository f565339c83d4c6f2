// The profile file (INI text) of the project file, read and written whole.
//
// Reading follows the lookup rules of the platform's profile calls: section and key names
// match regardless of case; the first section of a name wins, and within it the first key
// of a name; blanks around a value are dropped and one pair of surrounding double quotes is
// removed; blank lines are ignored; CR LF, LF and a lone CR all end a line; a UTF-8
// byte-order mark at the start is skipped. The file is parsed once, in one pass, into one
// index of places in its text: a lookup copies nothing but the value it returns.
//
// Writing builds the text that the sequence of single-key writes into a fresh file would
// produce (sections in order of first write, keys in order of first write, CR LF line ends,
// no blank lines).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class ProfileReader {
  public:
    // One section of the file, found once and then asked for several keys.
    class SectionView {
      public:
        // The value of a key, "" when the section or key is missing.
        std::string Read(std::string_view key) const { return std::string(View(key)); }
        // The same without a copy; valid while the reader lives.
        std::string_view View(std::string_view key) const;
        explicit operator bool() const { return reader_ != nullptr; }

      private:
        friend class ProfileReader;
        const ProfileReader* reader_ = nullptr;
        uint32_t first_ = 0, count_ = 0;
    };

    ProfileReader() = default;
    // Parses the bytes of a file; text that is not UTF-8 is taken as Windows-1252.
    static ProfileReader FromBytes(std::string_view bytes);
    // The same, taking the bytes over: UTF-8 text is indexed where it lies, without a copy.
    static ProfileReader FromOwnedBytes(std::string&& bytes);

    // The value of a key, "" when the section or key is missing.
    std::string Read(std::string_view section, std::string_view key) const;
    SectionView Section(std::string_view section) const;
    bool HasSection(std::string_view section) const;
    // The section names in file order (first of each name), as written.
    std::vector<std::string> SectionNames() const;

  private:
    // A piece of text_; files are at most 4 GiB (offsets are 32-bit to keep the index small).
    struct Span {
        uint32_t offset = 0, size = 0;
    };
    struct Entry {
        Span key, value;
    };
    struct IndexedSection {
        Span name;
        uint32_t firstEntry = 0, entryCount = 0;
    };

    void Parse();
    std::string_view TextOf(Span span) const {
        return std::string_view(text_).substr(span.offset, span.size);
    }
    // The section of a name, or null; the first section of a name is the one kept.
    const IndexedSection* Find(std::string_view name) const;
    // Adds a section unless one of its name is there; false for a repeated name.
    bool AddSection(Span name);
    void GrowBuckets();

    std::string text_;  // the whole file as UTF-8, without its byte-order mark
    std::vector<IndexedSection> sections_;
    std::vector<Entry> entries_;  // the keys of each section in file order, section after section
    std::vector<uint32_t> buckets_;  // open addressing over sections_: index + 1, 0 = free
};

class ProfileWriter {
  public:
    // Sets a key as the platform call writes it; a key already written in that section is
    // replaced in place. Line breaks in the value become blanks (a value is one line).
    void Write(std::string_view section, std::string_view key, std::string_view value);
    // The same for a text that must read back whole: a value that reading would change
    // (blanks at its ends, or one pair of surrounding quotes) goes inside one more pair.
    void WriteText(std::string_view section, std::string_view key, std::string_view value);
    // The whole file text.
    std::string Text() const;

  private:
    // A piece of the store.
    struct Span {
        size_t offset = 0, size = 0;
    };
    struct Entry {
        Span key, value;
    };
    struct Section {
        Span name;
        std::vector<Entry> entries;
    };

    void Set(std::string_view section, std::string_view key, std::string_view value,
             bool quoteIfChanged);
    Span Store(std::string_view text);
    // Stores a value as one line, inside one more pair of quotes when asked and reading would
    // change it.
    Span StoreValue(std::string_view value, bool quoteIfChanged);
    std::string_view Piece(Span span) const {
        return std::string_view(store_).substr(span.offset, span.size);
    }

    std::string store_;  // every name, key and value written, one after another
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;  // lower-case name -> section
    size_t current_ = 0;                                    // the section written last
};

}  // namespace korvane
