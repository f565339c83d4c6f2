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

// A row of the given kind at (left, top) pixels, 10 by 10.
CodegenRow At(const char* type, int left, int top) {
    CodegenRow row = Row("r", left, top, 10, 10, 0);
    row.type = type;
    return row;
}

// Swing's LayoutComparator on two children given in child order: whether a comes first.
bool SwingPutsFirst(const CodegenRow& a, const CodegenRow& b) {
    const ChildBounds p = PixelBounds(a), q = PixelBounds(b);
    if (std::abs(p.top - q.top) < 10) return p.left <= q.left;
    return p.top < q.top;
}

TEST(StackingTest, TheFocusPolicyIsWrittenWhereSwingsPositionOrderIsNotTheTabOrder) {
    const char* B = "JButton";
    const struct {
        const char* what;
        CodegenTable table;
        bool keeps;
    } cases[] = {
        {"rows top to bottom, left to right", {At(B, 0, 0), At(B, 50, 0), At(B, 0, 40)}, true},
        // The order the issue reported: Tab went by position.
        {"right column first",
         {At(B, 200, 0), At(B, 200, 60), At(B, 0, 120), At(B, 0, 60), At(B, 0, 0), At(B, 200, 120)},
         false},
        {"tops 9 pixels apart are one row", {At(B, 50, 0), At(B, 0, 9)}, false},
        {"tops 10 pixels apart are two rows", {At(B, 50, 0), At(B, 0, 10)}, true},
        {"equal places keep the child order", {At(B, 0, 0), At(B, 0, 0)}, true},
        // Labels and panels never take the focus: where they stand does not count.
        {"labels after their fields",
         {At(B, 80, 0), At(B, 80, 40), At("JLabel", 0, 0), At("Label", 0, 40), At("JPanel", 0, 0)},
         true},
        {"a check box after the button below it", {At("JCheckBox", 0, 40), At(B, 0, 0)}, false},
        // a before b (rows), b before c (one row, left), c before a (one row, left): the order
        // Swing's sort gives depends on the sort, so the policy is written.
        {"rows that chain", {At(B, 100, 0), At(B, 0, 10), At(B, 50, 5)}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PositionOrderKeepsTabOrder(c.table), c.keeps) << c.what;
        EXPECT_EQ(PlanStacking(c.table).focusPolicy, !c.keeps) << c.what;
    }

    // The counting agrees with comparing every pair: the comparison must order the rows totally,
    // and the rows that take the focus must come in row order.
    std::mt19937 rng(11);
    const char* kinds[] = {B, "JLabel", "JTextField"};
    for (int round = 0; round < 3000; ++round) {
        CodegenTable table;
        const int n = 1 + static_cast<int>(rng() % 7);
        const int span = 5 + static_cast<int>(rng() % 40);
        for (int i = 0; i < n; ++i)
            table.push_back(At(kinds[rng() % 3], static_cast<int>(rng() % span) - 10,
                               static_cast<int>(rng() % span) - 10));
        std::vector<size_t> before(table.size(), 0);  // how many each row comes before
        for (size_t i = 0; i < table.size(); ++i)
            for (size_t j = i + 1; j < table.size(); ++j)
                ++before[SwingPutsFirst(table[i], table[j]) ? i : j];
        bool total = true;
        for (size_t i = 0; i < table.size(); ++i)
            for (size_t j = 0; j < table.size(); ++j)
                total = total && (i == j || before[i] != before[j]);
        bool stopsInOrder = true;
        for (size_t i = 0; i < table.size(); ++i)
            for (size_t j = i + 1; j < table.size(); ++j)
                if (table[i].type != std::string_view("JLabel") &&
                    table[j].type != std::string_view("JLabel"))
                    stopsInOrder = stopsInOrder && before[i] > before[j];
        ASSERT_EQ(PositionOrderKeepsTabOrder(table), total && stopsInOrder) << "round " << round;
    }
}

}  // namespace
}  // namespace korvane::testing
