#include <gtest/gtest.h>

#include "document/ComponentKinds.h"
#include "document/DesignDocument.h"

namespace korvane {
namespace {

ComponentRecord Record(std::string name, std::string tab = "1", std::string type = "Label") {
    ComponentRecord r;
    r.ComponentName = std::move(name);
    r.ComponentType = std::move(type);
    r.ComponentTabOrder = std::move(tab);
    return r;
}

TEST(NameNewTest, FillsGapsPerPrefixAcrossFamilies) {
    DesignDocument d;
    EXPECT_EQ(d.NewName("Label"), "label_1");
    d.AppendSlot(Record("label_1"));
    d.AppendSlot(Record("label_3"));
    EXPECT_EQ(d.NewName("Label"), "label_2");
    EXPECT_EQ(d.NewName("JLabel"), "label_2");  // the prefix is shared
    d.AppendSlot(Record("label_2"));
    EXPECT_EQ(d.NewName("JLabel"), "label_4");
    EXPECT_EQ(d.NewName("Unknown"), "new_1");
    EXPECT_EQ(d.NewName("CommandButton"), "button_1");
}

TEST(NameNewTest, DeletedNamesStayTakenAndRenamedOnesAreFreed) {
    DesignDocument d;
    int b = d.AppendSlot(Record("button_1"));
    d.SetVisible(b, false);
    EXPECT_EQ(d.NewName("CommandButton"), "button_2");
    d.AppendSlot(Record("button_2"));
    d.SetName(b, "ok");
    EXPECT_EQ(d.NewName("CommandButton"), "button_1");
    EXPECT_TRUE(d.NameUsed("ok"));
    EXPECT_FALSE(d.NameUsed("Button_2"));  // case matters
}

TEST(NameNewTest, DuplicateNamesFromAFileCountUntilTheLastOneGoes) {
    DesignDocument d;
    int a = d.AppendSlot(Record("label_1"));
    int b = d.AppendSlot(Record("label_1"));
    EXPECT_EQ(d.SlotOfName("label_1"), a);
    d.SetName(a, "x");
    EXPECT_EQ(d.SlotOfName("label_1"), b);
    EXPECT_EQ(d.NewName("Label"), "label_2");
    d.SetName(b, "y");
    EXPECT_EQ(d.NewName("Label"), "label_1");
}

// The name index against a plain model, through many renames, appends, undone appends and
// deletions: few distinct names make long runs of duplicates and probe chains, many make the
// table grow and entries move back into freed buckets.
TEST(NameIndexTest, AgreesWithAPlainModelThroughEveryKindOfChange) {
    for (const int distinctNames : {3, 40, 5000}) {
        DesignDocument d;
        std::vector<std::string> model(1);  // by slot; element 0 unused
        std::vector<bool> live(1);
        uint32_t seed = 12345u + static_cast<uint32_t>(distinctNames);
        auto random = [&seed](uint32_t below) {
            seed = seed * 1664525u + 1013904223u;
            return (seed >> 8) % below;
        };
        auto someName = [&] { return "n" + std::to_string(random(distinctNames)); };
        for (int step = 0; step < 12000; ++step) {
            const uint32_t action = random(10);
            const int slots = d.SlotCount();
            if (action < 5 || slots == 0) {
                std::string name = someName();
                if (d.AppendSlot(Record(name)) == 0) continue;
                model.push_back(name);
                live.push_back(true);
            } else if (action < 8) {
                const int slot = 1 + static_cast<int>(random(slots));
                std::string name = someName();
                d.SetName(slot, name);
                model[slot] = name;
            } else if (action < 9) {
                const int slot = 1 + static_cast<int>(random(slots));
                d.SetVisible(slot, !live[slot]);
                live[slot] = !live[slot];
            } else {
                const int count = 1 + static_cast<int>(random(3));
                d.RemoveLastSlots(count);
                model.resize(static_cast<size_t>(d.SlotCount()) + 1);
                live.resize(model.size());
            }
            const std::string asked = someName();
            int first = 0, firstLive = 0;
            for (size_t slot = 1; slot < model.size(); ++slot) {
                if (model[slot] != asked) continue;
                if (first == 0) first = static_cast<int>(slot);
                if (firstLive == 0 && live[slot]) firstLive = static_cast<int>(slot);
            }
            ASSERT_EQ(d.SlotOfName(asked), first) << asked << " at step " << step;
            ASSERT_EQ(d.NameUsed(asked), first != 0) << asked << " at step " << step;
            ASSERT_EQ(d.LiveSlotOfName(asked), firstLive) << asked << " at step " << step;
        }
        d.ClearSlots();
        EXPECT_FALSE(d.NameUsed("n1"));
    }
}

TEST(TabOrderNewTest, OneMoreThanTheHighestLiveTabOrder) {
    DesignDocument d;
    EXPECT_EQ(d.NewTabOrder(), "1");
    d.AppendSlot(Record("a", "1"));
    int seven = d.AppendSlot(Record("b", "7"));
    d.AppendSlot(Record("c", "3"));
    EXPECT_EQ(d.NewTabOrder(), "8");
    d.SetVisible(seven, false);
    EXPECT_EQ(d.NewTabOrder(), "4");
    d.SetVisible(seven, true);
    EXPECT_EQ(d.NewTabOrder(), "8");
    d.SetTabOrder(seven, "2.6");
    EXPECT_EQ(d.NewTabOrder(), "4");
    d.SetTabOrder(seven, "4.5");  // rounds half to even: 4
    EXPECT_EQ(d.NewTabOrder(), "5");
}

TEST(TabOrderNewTest, NonNumbersAndNegativesCountAsNothing) {
    DesignDocument d;
    d.AppendSlot(Record("a", "first"));
    d.AppendSlot(Record("b", "-5"));
    d.AppendSlot(Record("c", "1e30"));
    EXPECT_EQ(d.NewTabOrder(), "1");
    d.AppendSlot(Record("d", "1e1"));
    EXPECT_EQ(d.NewTabOrder(), "11");
}

TEST(SlotsTest, RefusesTheSlotAfterTheLimit) {
    DesignDocument d;
    for (int i = 1; i <= kMaxSlots; ++i)
        ASSERT_EQ(d.AppendSlot(Record("n" + std::to_string(i))), i);
    EXPECT_EQ(d.AppendSlot(Record("over")), 0);
    EXPECT_EQ(d.SlotCount(), kMaxSlots);
    EXPECT_EQ(d.LiveCount(), kMaxSlots);
}

// Each step is an operation ('+' add, '-' remove, 'c' clear) on a slot, then the slots
// selected and the count; clearing starts a new round, so old marks must not read as selected.
TEST(SelectionSetTest, AddRemoveAndClearOverRounds) {
    struct Step {
        char op;
        int slot;
        std::vector<int> selected;
    };
    const std::vector<Step> steps = {
        {'+', 3, {3}},  {'+', 3, {3}}, {'+', 1, {1, 3}}, {'-', 2, {1, 3}},
        {'c', 0, {}},   {'+', 2, {2}}, {'-', 3, {2}},    {'c', 0, {}},
        {'c', 0, {}},   {'+', 3, {3}}, {'-', 3, {}},     {'+', 9, {9}},
        {'+', -1, {9}}, {'c', 0, {}},  {'+', 1, {1}},    {'-', 1, {}},
    };
    SelectionSet set;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (step.op == '+') set.Add(step.slot);
        if (step.op == '-') set.Remove(step.slot);
        if (step.op == 'c') set.Clear();
        std::vector<int> selected;
        for (int slot = -1; slot <= 12; ++slot)
            if (set.Contains(slot)) selected.push_back(slot);
        EXPECT_EQ(selected, step.selected) << "step " << i;
        EXPECT_EQ(set.Count(), static_cast<int>(step.selected.size())) << "step " << i;
    }
}

TEST(SortPairsTest, SortsStablyMovingValuesAlong) {
    std::vector<int> keys{3, 1, 2}, values{10, 20, 30};
    SortPairs(keys, values);
    EXPECT_EQ(keys, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(values, (std::vector<int>{20, 30, 10}));
    keys = {2, 1, 2, 1};
    values = {1, 2, 3, 4};
    SortPairs(keys, values);
    EXPECT_EQ(values, (std::vector<int>{2, 4, 1, 3}));
}

TEST(ComponentKindsTest, MapsTagsDisplayNamesAndClassKeys) {
    EXPECT_EQ(AllKinds().size(), 25u);
    EXPECT_EQ(JavaClassOfType("OptionButton"), "CheckBox");
    EXPECT_EQ(DisplayNameOfType("JButton"), "JButton");
    EXPECT_EQ(DisplayNameOfType("HScrollBar"), "Scrollbar H");
    EXPECT_EQ(TypeOfDisplayName("TextField/TextArea"), "TextBox");
    EXPECT_EQ(TypeOfDisplayName("TextField"), "TextBox");
    EXPECT_EQ(TypeOfDisplayName("Radiobutton"), "OptionButton");
    EXPECT_EQ(TypeOfDisplayName("Mystery"), "Mystery");
    EXPECT_EQ(DisplayNameOfType("Mystery"), "Mystery");
    for (const ComponentKind& k : AllKinds()) EXPECT_EQ(TypeOfDisplayName(k.displayName), k.tag);
}

}  // namespace
}  // namespace korvane
