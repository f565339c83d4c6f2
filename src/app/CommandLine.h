// What korvane answers from its command line alone, before it opens a window.
#pragma once

#include <optional>

namespace korvane {

// korvane --help and korvane --version print and end without needing a display. Returns the
// exit status for those; nullopt when the program goes on to its window (with FILE.dat, or with
// the options of Qt, which the application takes out itself).
std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv);

}  // namespace korvane
