// Hand edits of a generated class, as a developer makes them, for the merge and import tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace korvane::testing {

using Edits = std::vector<std::pair<std::string, std::string>>;

// Each pair replaces the first occurrence of its text (an empty one: appends at the end); a
// missing text fails the test.
inline std::string Edited(std::string text, const Edits& edits) {
    for (const auto& [from, to] : edits) {
        if (from.empty()) {
            text += to;
            continue;
        }
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << "no text to edit: " << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace korvane::testing
