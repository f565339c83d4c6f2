// The live components of one generation, sorted by tab order, and the line sink every
// writer appends to.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/JavaText.h"
#include "document/PopupBinding.h"

namespace korvane {

// The texts of a row are seen in the design, not copied: the design outlives the table. Only
// events that a popup binding extends are the row's own.
struct CodegenRow {
    int slot = 0;  // the component's slot in the design
    std::string_view name;
    std::string_view type;  // TypeTag
    std::string_view value;
    float left = 0;  // twips
    float top = 0;
    float width = 0;
    float height = 0;
    // The component's events, extended by a written popup's trigger: seen in the design, or held
    // in ownEvents when the trigger is appended to them.
    std::string_view events() const { return ownEvents.empty() ? designEvents : ownEvents; }
    std::string_view designEvents;
    std::string ownEvents;
    std::string_view tabOrder;
    std::string_view popup;  // a binding generation writes (IsWritablePopup), or ""
    uint64_t zOrder = 0;     // on the design surface: larger is nearer the front
    PopupBinding binding;    // the fields of popup, read once

    void SetPopup(std::string_view writable) {
        popup = writable;
        binding = PopupBinding::Read(writable);
    }
};

using CodegenTable = std::vector<CodegenRow>;

// Lines written many times as they are, prepared once by the sink they go to: a write-through
// sink appends them, line ends and all, in one piece.
class LineBlock {
  public:
    LineBlock() = default;

  private:
    friend class LineSink;
    std::vector<std::string> lines_;  // each in ASCII
    std::string joined_;              // each followed by the sink's line end
};

// Where the writers' lines go, each taken in ASCII. A plain sink keeps them as a list (the code
// window shows them). A write-through sink appends each line and its line end to a piece of
// about 1 MiB and hands the piece on when it is full, so that a large file is never held whole
// (a file of 100 MB then takes a hundred writes), or appends them all to a string of the
// caller's. A derived sink may take each line itself.
//
// A writer either passes a finished line to EmitLine or builds it in place: it appends the
// line's text to the string BeginLine returns and then calls EndLine, which spares a write-through
// sink a copy of every line.
class LineSink {
  public:
    using PieceWriter = std::function<void(std::string_view)>;

    LineSink() = default;
    LineSink(std::string_view lineEnd, PieceWriter write);
    // Writes through into `into`, at its end, which then holds the whole text at once.
    LineSink(std::string_view lineEnd, std::string& into);
    LineSink(const LineSink&) = delete;
    LineSink& operator=(const LineSink&) = delete;
    virtual ~LineSink() = default;

    void EmitLine(std::string_view line) {
        if (writeThrough_) {
            BeginLine().append(line);
            EndLine();
        } else {
            TakeLine(line);
        }
    }
    std::string& BeginLine() {
        if (!writeThrough_) {
            line_.clear();
            return line_;
        }
        lineStart_ = out_->size();
        return *out_;
    }
    void EndLine() {
        if (!writeThrough_) {
            TakeLine(line_);
            return;
        }
        if (!IsAscii(std::string_view(*out_).substr(lineStart_))) MakeBuiltLineAscii();
        *out_ += lineEnd_;
        if (out_->size() >= flushAt_) Flush();
    }
    // The lines as a block for EmitBlock.
    LineBlock MakeBlock(std::initializer_list<std::string_view> lines) const;
    void EmitBlock(const LineBlock& block) {
        if (!writeThrough_) {
            for (const std::string& line : block.lines_) Take(line);
            return;
        }
        *out_ += block.joined_;
        if (out_->size() >= flushAt_) Flush();
    }
    // Hands on what a write-through sink holds.
    void Flush();

    const std::vector<std::string>& Lines() const { return lines_; }
    std::vector<std::string> TakeLines() { return std::move(lines_); }

  protected:
    // Receives each line of a sink that does not write through; the text lasts only for the
    // call.
    virtual void Take(std::string_view line) { lines_.emplace_back(line); }

  private:
    static constexpr size_t kPiece = size_t{1} << 20;
    void TakeLine(std::string_view line);
    void MakeBuiltLineAscii();

    std::vector<std::string> lines_;
    std::string line_;  // the line being built, unless the sink writes through
    // Writing through: the piece being filled, where the line being built starts in it.
    bool writeThrough_ = false;
    std::string lineEnd_;
    PieceWriter write_;
    std::string piece_;
    std::string* out_ = &piece_;  // the piece, or the caller's string
    size_t flushAt_ = kPiece;
    size_t lineStart_ = 0;
};

}  // namespace korvane
