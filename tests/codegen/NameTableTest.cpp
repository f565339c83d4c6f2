// The flat name table of the generation's look-ups, against the standard map.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "codegen/NameTable.h"

namespace korvane {
namespace {

// Names of every length around the hash's eight-byte words, with shared prefixes and repeats.
std::vector<std::string> SomeNames(size_t count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<std::string> names;
    for (size_t i = 0; i < count; ++i) {
        std::string name = "n";
        const size_t length = rng() % 20;
        for (size_t k = 0; k < length; ++k) name += static_cast<char>('a' + rng() % 3);
        names.push_back(name);
    }
    names.push_back("");
    return names;
}

TEST(NameTableTest, AgreesWithTheStandardMap) {
    const struct {
        size_t names;
        size_t reserved;  // 0: the table grows from its smallest size
    } cases[] = {{0, 0}, {1, 0}, {7, 0}, {100, 0}, {5000, 0}, {5000, 5000}, {5000, 10}};
    for (const auto& c : cases) {
        const std::vector<std::string> names = SomeNames(c.names, 11);
        NameTable<size_t> table(c.reserved);
        std::unordered_map<std::string_view, size_t> oracle;
        for (size_t i = 0; i < names.size(); ++i) {
            const auto [value, added] = table.Insert(names[i], i);
            const auto [it, oracleAdded] = oracle.emplace(names[i], i);
            ASSERT_EQ(added, oracleAdded) << names[i];
            ASSERT_EQ(value, it->second) << "the first value of a name stays";
        }
        EXPECT_EQ(table.size(), oracle.size());
        for (const std::string& probe : SomeNames(c.names + 50, 12)) {
            const size_t* found = table.Find(probe);
            const auto it = oracle.find(probe);
            ASSERT_EQ(found != nullptr, it != oracle.end()) << probe;
            if (found) {
                EXPECT_EQ(*found, it->second) << probe;
            }
        }
    }
}

TEST(NameTableTest, ValuesChangeInPlaceAndTheComparisonIsTheTables) {
    NameTable<unsigned> bits;
    bits["a"] |= 1;
    bits["b"] |= 2;
    bits["a"] |= 4;
    EXPECT_EQ(*bits.Find("a"), 5u);
    EXPECT_EQ(*bits.Find("b"), 2u);
    EXPECT_FALSE(bits.Contains("A"));

    struct FirstLetter {
        size_t operator()(std::string_view name) const { return name.empty() ? 0 : name[0]; }
    };
    struct SameLength {
        bool operator()(std::string_view a, std::string_view b) const {
            return a.size() == b.size();
        }
    };
    // Equal under the table's own comparison: "ab" and "ax" are one name.
    NameTable<int, FirstLetter, SameLength> loose;
    EXPECT_TRUE(loose.Insert("ab", 1).second);
    EXPECT_FALSE(loose.Insert("ax", 2).second);
    EXPECT_TRUE(loose.Insert("abc", 3).second);
    EXPECT_EQ(*loose.Find("ay"), 1);
    EXPECT_EQ(loose.Find("b"), nullptr);
}

}  // namespace
}  // namespace korvane
