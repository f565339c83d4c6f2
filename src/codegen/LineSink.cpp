#include "codegen/CodegenTable.h"

namespace korvane {

LineSink::LineSink(std::string_view lineEnd, PieceWriter write)
    : writeThrough_(true), lineEnd_(lineEnd), write_(std::move(write)) {
    piece_.reserve(kPiece + (size_t{1} << 16));
}

LineSink::LineSink(std::string_view lineEnd, std::string& into)
    : writeThrough_(true), lineEnd_(lineEnd), out_(&into), flushAt_(SIZE_MAX) {}

LineBlock LineSink::MakeBlock(std::initializer_list<std::string_view> lines) const {
    LineBlock block;
    for (std::string_view line : lines) {
        block.lines_.push_back(AsciiJavaSource(std::string(line)));
        block.joined_.append(block.lines_.back()).append(lineEnd_);
    }
    return block;
}

void LineSink::Flush() {
    if (!write_ || piece_.empty()) return;
    write_(piece_);
    piece_.clear();
}

void LineSink::TakeLine(std::string_view line) {
    if (IsAscii(line)) {
        Take(line);
    } else {
        Take(AsciiJavaSource(std::string(line)));
    }
}

void LineSink::MakeBuiltLineAscii() {
    std::string ascii = AsciiJavaSource(out_->substr(lineStart_));
    out_->resize(lineStart_);
    *out_ += ascii;
}

}  // namespace korvane
