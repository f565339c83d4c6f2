// What a preview's compiler or program writes, kept as its last lines: a program may write
// without end while it runs, and the preview shows only how it ended.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace korvane {

class PreviewOutput {
  public:
    static constexpr size_t kLinesKept = 2000;
    // A longer line keeps its beginning; the rest of it is left out.
    static constexpr size_t kLineBytesKept = 1000;

    // Takes the next piece of output, split anywhere.
    void Append(std::string_view bytes);
    // The lines kept, each ended by a line feed but a last unfinished one, after a line that
    // says how many earlier lines were not kept.
    std::string Text() const;
    void Clear() { *this = PreviewOutput(); }

  private:
    void EndLine();

    std::deque<std::string> lines_;
    std::string current_;
    bool currentCut_ = false;
    size_t dropped_ = 0;
};

}  // namespace korvane
