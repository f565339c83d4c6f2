// Java text that the generator did not write, parsed with tree-sitter's Java grammar in the
// place it stands: at the top of the file, among the members of a class, or among the
// statements of a method. Only text that parses without error, and whose \u escapes cannot
// change what it means, is taken.
//
// tree-sitter does not translate \u escapes as javac does before it reads a file. An escape
// that stands for a non-ASCII character can only be part of a name, a literal or a comment,
// so it is parsed as a name of the same length; one that stands for an ASCII character is taken
// only where it cannot end a literal or comment or change a token (an ASCII letter in a name, a
// character inside a literal or comment that does not close it), and refused elsewhere.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::javasource {

enum class TextPlace { TopLevel, Member, Statements };

struct CheckedText {
    bool ok = false;
    int errorLine = 0;  // the file's line where the first fault is
    std::string error;  // what the fault is, as a clause: "the text does not parse as Java"
    // What the text declares, one entry per declaration or statement: "method helper",
    // "field count", "import java.util.*", "class Util", "a comment".
    std::vector<std::string> contents;
    bool onlyComments = true;
};

class SyntaxChecker {
  public:
    SyntaxChecker();
    ~SyntaxChecker();
    SyntaxChecker(const SyntaxChecker&) = delete;
    SyntaxChecker& operator=(const SyntaxChecker&) = delete;

    // Whether the grammar and the tree-sitter library fit together; otherwise every check fails.
    bool Ready() const;

    // Parses file[begin, end), which starts at the start of line `firstLine`, as it would stand
    // in `place`.
    CheckedText Check(std::string_view file, size_t begin, size_t end, int firstLine,
                      TextPlace place);

  private:
    struct Parser;
    std::unique_ptr<Parser> parser_;
};

}  // namespace korvane::javasource
