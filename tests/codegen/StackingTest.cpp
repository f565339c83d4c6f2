// Which components overlap, and how the generated window is made to stack them as the surface.
#include <gtest/gtest.h>

#include <random>

#include "codegen/GenerationSupport.h"
#include "codegen/Stacking.h"

namespace korvane::testing {
namespace {

bool Meet(const ChildBounds& a, const ChildBounds& b) {
    const bool area = a.right > a.left && a.bottom > a.top && b.right > b.left && b.bottom > b.top;
    return area && a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(StackingTest, OverlapsAnotherAgreesWithComparingEveryPair) {
    // Small spans share many edges; a large scale spreads the coordinates far apart, and a large
    // offset puts them far from zero.
    const struct {
        int64_t scale, offset;
    } placements[] = {{1, 0}, {1, -2'000'000'000}, {40'000'000, 0}, {1'000'003, 1'500'000'000}};
    for (const auto& placement : placements) {
        std::mt19937 rng(7);
        for (int round = 0; round < 200; ++round) {
            const int n = 1 + static_cast<int>(rng() % 40);
            const int span = 1 + static_cast<int>(rng() % 60);
            const auto at = [&](int64_t v) { return placement.offset + v * placement.scale; };
            std::vector<ChildBounds> rects;
            for (int i = 0; i < n; ++i) {
                const int64_t left = static_cast<int64_t>(rng() % span) - 5;
                const int64_t top = static_cast<int64_t>(rng() % span) - 5;
                rects.push_back({at(left), at(top), at(left + static_cast<int64_t>(rng() % 12) - 1),
                                 at(top + static_cast<int64_t>(rng() % 12) - 1)});
            }
            const std::vector<bool> overlaps = OverlapsAnother(rects);
            for (int i = 0; i < n; ++i) {
                bool expected = false;
                for (int j = 0; j < n; ++j)
                    expected = expected || (i != j && Meet(rects[i], rects[j]));
                ASSERT_EQ(overlaps[i], expected)
                    << "scale " << placement.scale << " round " << round << " rect " << i;
            }
        }
    }
}

TEST(StackingTest, SharedEdgesAndEmptyRectsDoNotOverlap) {
    const std::vector<ChildBounds> rects = {
        {0, 0, 10, 10},    // touches the next one along an edge only
        {10, 0, 20, 10},   //
        {5, 5, 5, 30},     // no width: overlaps nothing
        {30, 30, 40, 40},  // the same rect twice overlaps itself
        {30, 30, 40, 40},
    };
    EXPECT_EQ(OverlapsAnother(rects), (std::vector<bool>{false, false, false, true, true}));
}

// Rows given as (left, top, width, height) in pixels and a surface z-order; the names are
// literals, which outlive the rows that see them.
CodegenRow Row(const char* name, int left, int top, int width, int height, uint64_t z) {
    CodegenRow row;
    row.name = name;
    row.type = "CommandButton";
    row.left = static_cast<float>(left * 15);
    row.top = static_cast<float>(top * 15);
    row.width = static_cast<float>(width * 15);
    row.height = static_cast<float>(height * 15);
    row.zOrder = z;
    return row;
}

TEST(StackingTest, OnlyAStackingTheTabOrderGetsWrongIsRaised) {
    using Rows = std::vector<size_t>;
    const struct {
        const char* what;
        CodegenTable table;
        Rows raised, childOrder;
    } cases[] = {
        {"apart", {Row("a", 0, 0, 10, 10, 1), Row("b", 20, 0, 10, 10, 2)}, {}, {}},
        {"the tab order already stacks them",
         {Row("a", 0, 0, 10, 10, 2), Row("b", 5, 5, 10, 10, 1)},
         {},
         {}},
        // A panel drawn first, a label and a button on it, and one component apart.
        {"a panel under two components",
         {Row("panel", 0, 0, 100, 100, 1), Row("apart", 200, 0, 10, 10, 2),
          Row("label", 10, 10, 20, 10, 3), Row("button", 10, 40, 20, 10, 4)},
         {0, 2, 3},
         {3, 2, 0, 1}},
        {"brought to the front",
         {Row("a", 0, 0, 10, 10, 9), Row("b", 5, 5, 10, 10, 1), Row("c", 8, 8, 10, 10, 2)},
         {1, 2, 0},
         {0, 2, 1}},
    };
    for (const auto& c : cases) {
        const StackingPlan plan = PlanStacking(c.table);
        EXPECT_EQ(plan.raised, c.raised) << c.what;
        EXPECT_EQ(plan.childOrder, c.childOrder) << c.what;
    }
}

TEST(StackingTest, TheGeneratedWindowRaisesAndKeepsTheTabOrderForFocus) {
    Part panel("panel_1", "JPanel", "", "", "1");
    panel.width = 3000;
    panel.height = 3000;
    Part list("list_1", "JList", "a|b", "", "2");
    Part apart("apart", "JButton", "x", "", "3");
    apart.left = 6000;
    const std::vector<std::string> lines =
        GenerateLines(Design("Stack", "JFrame", {panel, list, apart}));
    const int raise = IndexOf(lines, "        getContentPane().setComponentZOrder(panel_1, 0);");
    ASSERT_GT(raise, 0);
    EXPECT_EQ(lines[raise - 1],
              "        setFocusTraversalPolicy(new StackFocus(getContentPane().getComponents()));");
    EXPECT_EQ(lines[raise + 1], "        getContentPane().setComponentZOrder(sp_list_1, 0);");
    // The list's scroll pane is child 0, the panel child 1; the button apart stays last.
    const int c = IndexOf(lines, "        Component c;");
    EXPECT_EQ(lines[c + 2],
              "        if (c.isVisible()) {c.setBounds(insets.left+8,insets.top+8,72,24);}");
    EXPECT_EQ(lines[c + 4],
              "        if (c.isVisible()) {c.setBounds(insets.left+8,insets.top+8,200,200);}");
    EXPECT_EQ(IndexOf(lines, "class StackFocus extends LayoutFocusTraversalPolicy {") >
                  IndexOf(lines, "class StackLayout implements LayoutManager {"),
              true);
    // The design without the overlap is written as before.
    apart.left = 120;
    apart.top = 6000;
    list.left = 6000;
    const std::vector<std::string> apartLines =
        GenerateLines(Design("Stack", "JFrame", {panel, list, apart}));
    EXPECT_EQ(IndexOf(apartLines, "class StackFocus extends LayoutFocusTraversalPolicy {"), -1);
    EXPECT_EQ(apartLines.back(), "}");
}

}  // namespace
}  // namespace korvane::testing
