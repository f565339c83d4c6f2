// A preview's output is kept as its last lines, however it arrives and however much of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/PreviewOutput.h"

namespace korvane {
namespace {

std::string Lines(size_t from, size_t to) {
    std::string text;
    for (size_t k = from; k <= to; ++k) text += "line " + std::to_string(k) + "\n";
    return text;
}

TEST(PreviewOutputTest, KeepsTheLastLinesWhateverThePieces) {
    const size_t kept = PreviewOutput::kLinesKept;
    const std::string longLine(PreviewOutput::kLineBytesKept, 'x');
    struct Case {
        const char* name;
        std::string output;
        std::string shown;
    };
    const Case cases[] = {
        {"nothing", "", ""},
        {"an unfinished line", "Exception in", "Exception in"},
        {"lines within the bound", Lines(1, 3), Lines(1, 3)},
        {"more lines than kept", Lines(1, kept + 5),
         "[5 earlier lines are not shown]\n" + Lines(6, kept + 5)},
        {"a line at the bound", longLine + "\n", longLine + "\n"},
        {"a longer line keeps its beginning", longLine + "yyy\nend", longLine + " [...]\nend"},
        {"an endless unfinished line", longLine + std::string(100000, 'z'), longLine + " [...]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (size_t piece : {size_t(1), size_t(7), size_t(4096), c.output.size() + 1}) {
            PreviewOutput output;
            for (size_t at = 0; at < c.output.size(); at += piece)
                output.Append(std::string_view(c.output).substr(at, piece));
            EXPECT_EQ(output.Text(), c.shown) << "in pieces of " << piece;
        }
    }
}

}  // namespace
}  // namespace korvane
