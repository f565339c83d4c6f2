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
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/OpenHashTable.h"

namespace korvane {

// The sections of a reader or writer, numbered 0, 1, 2, ... in order, found by their names
// regardless of case. A slot holds only a number, the name read through nameOf: a file of
// millions of short sections keeps its table within a few bytes a section.
class SectionNumbers {
  public:
    // The number whose name matches, or npos.
    template <class NameOf>
    size_t Find(std::string_view name, NameOf nameOf) const {
        const Slot* slot = slots_.Find(name, NameOfSlot<NameOf>{nameOf});
        return slot ? slot->Number() : npos;
    }
    // Adds `number` unless its name is in the table already; returns the number that holds
    // the name. Numbers are added in order from 0.
    template <class NameOf>
    size_t Insert(size_t number, NameOf nameOf) {
        auto [slot, added] = slots_.Insert(nameOf(number), NameOfSlot<NameOf>{nameOf});
        if (added) slot.numberAfter = static_cast<uint32_t>(number + 1);
        return slot.Number();
    }
    static constexpr size_t npos = static_cast<size_t>(-1);

  private:
    struct Slot {
        uint32_t numberAfter = 0;  // the number + 1; 0 = free
        bool Used() const { return numberAfter != 0; }
        size_t Number() const { return numberAfter - 1; }
    };
    template <class NameOf>
    struct NameOfSlot {
        NameOf nameOf;
        std::string_view operator()(const Slot& slot) const { return nameOf(slot.Number()); }
    };

    OpenHashTable<Slot, AsciiCaseBlindHash, AsciiCaseBlindEqual, 75> slots_;
};

class ProfileReader {
  public:
    // One section of the file, found once and then asked for several keys.
    class SectionView {
      public:
        // The value of a key, "" when the section or key is missing.
        std::string Read(std::string_view key) const { return std::string(View(key)); }
        // The same without a copy; valid while the reader lives.
        std::string_view View(std::string_view key) const;
        // The values of several keys, values[k] that of keys[k], in one pass over the section
        // rather than one for each key.
        void ViewEach(std::span<const std::string_view> keys,
                      std::span<std::string_view> values) const;
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
    // How many sections of distinct names the file holds.
    size_t SectionCount() const { return sections_.size(); }

  private:
    // A piece of text_; files are at most 4 GiB (offsets are 32-bit to keep the index small).
    struct Span {
        uint32_t offset = 0, size = 0;
    };
    // A key line, by its key: the value follows the equals sign after the key, up to the end of
    // the line. Eight bytes, as a file can hold a key line in every three of its bytes.
    struct Entry {
        uint32_t keyStart = 0, keyEnd = 0;
    };
    // A section's keys run from its first entry to the next section's first entry: a repeated
    // section is no section and adds no entries.
    struct IndexedSection {
        Span name;
        uint32_t firstEntry = 0;
    };

    void Parse();
    std::string_view TextOf(Span span) const {
        return std::string_view(text_).substr(span.offset, span.size);
    }
    std::string_view KeyOf(const Entry& entry) const;
    std::string_view ValueOf(const Entry& entry) const;
    // The section of a name, or npos; the first section of a name is the one kept.
    size_t Find(std::string_view name) const;
    // Adds a section unless one of its name is there; false for a repeated name.
    bool AddSection(Span name);

    std::string text_;  // the whole file as UTF-8, without its byte-order mark
    // Some line ends with a carriage return alone: a line then ends at the first carriage return
    // or line feed, and otherwise at the first line feed.
    bool loneCarriageReturns_ = false;
    std::vector<IndexedSection> sections_;
    std::vector<Entry> entries_;  // the keys of each section in file order, section after section
    SectionNumbers sectionNames_;
};

class ProfileWriter {
  public:
    // Sets a key as the platform call writes it; a key already written in that section is
    // replaced in place. Line breaks in the value become blanks (a value is one line).
    void Write(std::string_view section, std::string_view key, std::string_view value);
    // The same for a text that must read back whole: a value that reading would change
    // (blanks at its ends, or one pair of surrounding quotes) goes inside one more pair.
    void WriteText(std::string_view section, std::string_view key, std::string_view value);
    // Makes room for writes of about this many keys and bytes in all.
    void Reserve(size_t keys, size_t bytes);
    // The whole file text.
    std::string Text() const&;
    std::string Text() &&;

  private:
    // A piece of the store.
    struct Span {
        size_t offset = 0, size = 0;
    };
    struct Entry {
        Span key, value;
        size_t next = 0;  // the section's next entry + 1; 0 = the last
    };
    struct Section {
        Span name;
        size_t first = 0, last = 0;  // entries + 1; 0 = none
        uint64_t keyBits = 0;        // KeyBit of each key it holds
    };
    // A key's bit among 64, the same in any letter case: a key whose bit its section does not
    // hold is new there, and its keys need not be looked through.
    static uint64_t KeyBit(std::string_view key);

    void Set(std::string_view section, std::string_view key, std::string_view value,
             bool quoteIfChanged);
    // The section of a name, added at the end when there is none yet.
    Section& SectionNamed(std::string_view name);
    // Stores a value as one line, inside one more pair of quotes when asked and reading would
    // change it.
    Span StoreValue(std::string_view value, bool quoteIfChanged);
    std::string_view Piece(Span span) const {
        return std::string_view(store_).substr(span.offset, span.size);
    }

    // Every name, key and value written, one after another, with the brackets, equals signs
    // and line ends of the file around them: while each write added a key at the end of the
    // last section, or began a new section, the store is the file text itself.
    std::string store_;
    bool storeIsText_ = true;
    std::vector<Section> sections_;
    std::vector<Entry> entries_;  // of every section, each section's linked in write order
    SectionNumbers sectionNames_;
    size_t current_ = 0;  // the section written last
};

}  // namespace korvane
