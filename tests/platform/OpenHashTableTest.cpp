// The hash of names regardless of ASCII case, which folds eight bytes at once: a name must be
// found however the case of its letters is asked, and only ASCII letters fold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/OpenHashTable.h"

namespace korvane {
namespace {

struct Numbered {
    uint32_t numberAfter = 0;  // the name's number + 1
    bool Used() const { return numberAfter != 0; }
};

TEST(OpenHashTableTest, CaseBlindNamesAreFoundWhateverTheCaseOfEveryByte) {
    // Names read byte by byte, by half words and by words, the tested byte first, last and
    // inside a word.
    const struct {
        size_t length, at;
    } places[] = {{1, 0}, {3, 1}, {5, 0},   {7, 6},   {8, 0},
                  {8, 7}, {9, 8}, {13, 10}, {16, 15}, {17, 16}};
    for (const auto& place : places) {
        std::vector<std::string> names;
        OpenHashTable<Numbered, AsciiCaseBlindHash, AsciiCaseBlindEqual, 75> table;
        const auto nameOf = [&](const Numbered& slot) -> std::string_view {
            return names[slot.numberAfter - 1];
        };
        for (int byte = 0; byte < 256; ++byte) {
            std::string name(place.length, 'q');
            name[place.at] = static_cast<char>(byte);
            names.push_back(name);
            auto [slot, added] = table.Insert(name, nameOf);
            // 'a' to 'z' were added as their capitals.
            ASSERT_EQ(added, byte < 'a' || byte > 'z') << byte << " at " << place.at;
            if (added) slot.numberAfter = static_cast<uint32_t>(names.size());
        }
        for (int byte = 0; byte < 256; ++byte) {
            std::string asked(place.length, 'Q');
            asked[place.at] = static_cast<char>(byte);
            const Numbered* found = table.Find(asked, nameOf);
            ASSERT_NE(found, nullptr) << byte << " at " << place.at;
            const int folded = byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte;
            EXPECT_EQ(found->numberAfter, static_cast<uint32_t>(folded + 1))
                << byte << " at " << place.at;
        }
    }
}

}  // namespace
}  // namespace korvane
