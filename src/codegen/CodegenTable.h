// The live components of one generation, sorted by tab order, and the line sink every
// writer appends to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "codegen/JavaText.h"

namespace korvane {

struct CodegenRow {
    int slot = 0;  // the component's slot in the design
    std::string name;
    std::string type;  // TypeTag
    std::string value;
    float left = 0;  // twips
    float top = 0;
    float width = 0;
    float height = 0;
    std::string events;  // the component's events, extended by a valid popup's trigger
    std::string tabOrder;
    std::string popup;    // a valid binding, or ""
    uint64_t zOrder = 0;  // on the design surface: larger is nearer the front
};

using CodegenTable = std::vector<CodegenRow>;

// The generated file as a list of lines without terminators, in ASCII.
class LineSink {
  public:
    void Emit_Line(std::string line) { lines_.push_back(AsciiJavaSource(std::move(line))); }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::vector<std::string> TakeLines() { return std::move(lines_); }

  private:
    std::vector<std::string> lines_;
};

}  // namespace korvane
