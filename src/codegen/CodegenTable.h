// The live components of one generation, sorted by tab order, and the line sink every
// writer appends to.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/JavaText.h"

namespace korvane {

// The texts of a row are seen in the design, not copied: the design outlives the table. Only the
// events, which a popup binding may extend, are the row's own.
struct CodegenRow {
    int slot = 0;  // the component's slot in the design
    std::string_view name;
    std::string_view type;  // TypeTag
    std::string_view value;
    float left = 0;  // twips
    float top = 0;
    float width = 0;
    float height = 0;
    std::string events;  // the component's events, extended by a valid popup's trigger
    std::string_view tabOrder;
    std::string_view popup;  // a valid binding, or ""
    uint64_t zOrder = 0;     // on the design surface: larger is nearer the front
};

using CodegenTable = std::vector<CodegenRow>;

// Where the writers' lines go, one Emit_Line per line, without its terminator; each line is
// taken in ASCII. This sink keeps them as a list (the code window shows them); a derived sink
// may write each line through instead, so that a large file is never held whole.
class LineSink {
  public:
    virtual ~LineSink() = default;
    void Emit_Line(std::string_view line) {
        if (IsAscii(line)) {
            Take(line);
        } else {
            Take(AsciiJavaSource(std::string(line)));
        }
    }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::vector<std::string> TakeLines() { return std::move(lines_); }

  protected:
    // Receives each line as it goes into the file; the text lasts only for the call.
    virtual void Take(std::string_view line) { lines_.emplace_back(line); }

  private:
    std::vector<std::string> lines_;
};

}  // namespace korvane
