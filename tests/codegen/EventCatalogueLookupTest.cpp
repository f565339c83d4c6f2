#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codegen/EventCatalogue.h"
#include "document/ComponentKinds.h"

namespace korvane {
namespace {

// Kinds and listener methods are found by a hash of a few of their bytes: each must be found
// as itself, and a text that differs from one of them in a byte, in case or in length only when
// it is another of them ("Label" within "JLabel").
TEST(FixedNameLookup, FindsEachNameAndNothingNearIt) {
    const EventCatalogue catalogue;
    const auto near = [](std::string_view name) {
        std::vector<std::string> variants = {std::string(name.substr(1)),
                                             std::string(name.substr(0, name.size() - 1)),
                                             std::string(name) + " ", " " + std::string(name)};
        for (size_t i = 0; i < name.size(); ++i) {
            std::string changed(name);
            changed[i] = static_cast<char>(changed[i] ^ 0x20);  // case, or another byte
            variants.push_back(changed);
        }
        return variants;
    };
    for (const ComponentKind& kind : AllKinds()) {
        EXPECT_EQ(FindKind(kind.tag), &kind) << kind.tag;
        for (const std::string& other : near(kind.tag)) {
            const ComponentKind* found = FindKind(other);
            EXPECT_TRUE(!found || found->tag == other) << other;
        }
    }
    const auto methods = catalogue.EventMethodTable();
    for (size_t i = 0; i < methods.size(); ++i) {
        EXPECT_EQ(catalogue.MethodIndex(methods[i].method), static_cast<int>(i));
        for (const std::string& other : near(methods[i].method)) {
            const int found = catalogue.MethodIndex(other);
            EXPECT_TRUE(found < 0 || methods[static_cast<size_t>(found)].method == other) << other;
        }
    }
    EXPECT_EQ(FindKind(""), nullptr);
    EXPECT_EQ(catalogue.MethodIndex(""), -1);
}

}  // namespace
}  // namespace korvane
