// The profile file (INI text) of the project file, read and written whole.
//
// Reading follows the lookup rules of the platform's profile calls: section and key names
// match regardless of case; the first section of a name wins, and within it the first key
// of a name; blanks around a value are dropped and one pair of surrounding double quotes is
// removed; blank lines are ignored; CR LF, LF and a lone CR all end a line; a UTF-8
// byte-order mark at the start is skipped. The file is parsed once into an index, so a
// lookup costs no re-reading.
//
// Writing builds the text that the sequence of single-key writes into a fresh file would
// produce (sections in order of first write, keys in order of first write, CR LF line ends,
// no blank lines).
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class ProfileReader {
  public:
    ProfileReader() = default;
    // Parses the bytes of a file; text that is not UTF-8 is taken as Windows-1252.
    static ProfileReader FromBytes(std::string_view bytes);

    // The value of a key, "" when the section or key is missing.
    std::string Read(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // The section names in file order (first of each name), as written.
    const std::vector<std::string>& SectionNames() const { return sectionNames_; }

  private:
    struct Section {
        std::unordered_map<std::string, std::string> values;  // lower-case key -> value
    };
    std::unordered_map<std::string, Section> sections_;  // lower-case name -> section
    std::vector<std::string> sectionNames_;
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
    void Set(std::string_view section, std::string_view key, std::string value);
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::unordered_map<std::string, size_t> keyIndex;
    };
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;
};

}  // namespace korvane
