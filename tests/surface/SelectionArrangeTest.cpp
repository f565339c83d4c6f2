// Several selected components: Ctrl+click, the rubber band, group drags with snapping, align
// and size, distributing, and the arrow keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/MainController.h"
#include "support/ScriptedServices.h"
#include "surface/Arrange.h"
#include "surface/DesignSurface.h"

namespace korvane {
namespace {

struct Design {
    Design() : form(messages, dialogs), main(form), surface(form, &main) {
        main.Load();
        form.SetMainWindow(&main);
        form.Load();
    }
    int Place(std::string_view tag, float left, float top) {
        form.doc.InsertX = left;
        form.doc.InsertY = top;
        form.editor.InsertComponent(tag);
        form.History().MarkSaved();
        return form.doc.SlotCount();
    }
    void Click(int slot, int shift = 0) {
        surface.ComponentMouseDown(slot, kLeftButton, shift, 10, 10);
        surface.ComponentMouseUp(slot, kLeftButton, shift, 10, 10);
        surface.ComponentClick(slot);
    }
    BoxGeometry Box(int slot) const { return GeometryOf(form.doc.Slot(slot)); }
    std::vector<int> Selected() const { return form.selection.SelectedSlots(); }

    testing::ScriptedMessageBox messages;
    testing::ScriptedFileDialog dialogs;
    DocumentController form;
    MainController main;
    DesignSurface surface;
};

TEST(SelectionTest, CtrlClickAddsAndRemovesAndTheLastClickedIsPrimary) {
    Design d;
    d.Place("Label", 120, 120);
    d.Place("Label", 120, 600);
    d.Place("Label", 120, 1200);
    d.Click(1);
    d.Click(3, kCtrlMask);
    EXPECT_EQ(d.Selected(), (std::vector<int>{1, 3}));
    EXPECT_EQ(d.form.doc.ActiveSlot, 3);
    EXPECT_EQ(d.main.inspector.NameBox.Text, "label_3");
    d.Click(2, kCtrlMask);
    EXPECT_EQ(d.Selected(), (std::vector<int>{1, 2, 3}));
    d.Click(2, kCtrlMask);  // out again: the primary goes to the most recent of the others
    EXPECT_EQ(d.Selected(), (std::vector<int>{1, 3}));
    EXPECT_EQ(d.form.doc.ActiveSlot, 3);
    // A plain click on one of them keeps only that one.
    d.Click(1);
    EXPECT_EQ(d.Selected(), (std::vector<int>{1}));
}

TEST(SelectionTest, TheRubberBandSelectsWhatItTouches) {
    Design d;
    d.Place("Label", 120, 120);   // 1080 x 360
    d.Place("Label", 2400, 120);  // starts at 2400
    d.Place("Label", 120, 1200);
    struct Case {
        float x0, y0, x1, y1;
        std::vector<int> selected;
    };
    const std::vector<Case> cases = {
        {0, 0, 1300, 500, {1}},         // around the first
        {1300, 700, 0, 0, {1}},         // drawn backwards
        {1300, 0, 2400, 200, {2}},      // touching the second's left edge only
        {0, 0, 4000, 2000, {1, 2, 3}},  // all
        {1300, 600, 2000, 1000, {}},    // nothing: the selection stays empty
        {500, 470, 500, 470, {}},       // no band at all: a click
    };
    for (const Case& c : cases) {
        d.surface.BackgroundMouseDown(kLeftButton, 0, c.x0, c.y0);
        d.surface.BackgroundMouseMove(kLeftButton, 0, c.x1, c.y1);
        EXPECT_TRUE(d.surface.Banding());
        d.surface.BackgroundMouseUp(kLeftButton, 0, c.x1, c.y1);
        EXPECT_FALSE(d.surface.Banding());
        EXPECT_EQ(d.Selected(), c.selected) << c.x0 << "," << c.y0 << " " << c.x1 << "," << c.y1;
    }
}

TEST(SelectionTest, DraggingOneOfSeveralMovesAllSnappingThePrimaryAndKeepingOffsets) {
    Design d;
    d.Place("Label", 120, 120);
    d.Place("Label", 1400, 500);
    d.form.doc.MutableSlot(2).Left = 1405;  // off the grid: it keeps its offset
    d.form.selection.SelectAll();
    // Drag label_1 by (250, 130): it snaps from (370, 250) to (360, 240).
    d.surface.ComponentMouseDown(1, kLeftButton, 0, 0, 0);
    d.surface.ComponentMouseMove(1, kLeftButton, 0, 250, 130);
    EXPECT_EQ(d.Box(2).Left, 1655);  // follows live
    d.surface.ComponentMouseUp(1, kLeftButton, 0, 250, 130);
    d.surface.ComponentClick(1);
    EXPECT_EQ(d.Box(1), (BoxGeometry{360, 240, 1080, 360}));
    EXPECT_EQ(d.Box(2), (BoxGeometry{1645, 620, 1080, 360}));
    EXPECT_EQ(d.Selected(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(d.form.Modified());
}

TEST(SelectionTest, DeleteRemovesEverySelectedComponent) {
    Design d;
    d.Place("Label", 120, 120);
    d.Place("Label", 120, 600);
    d.Place("Label", 120, 1200);
    d.form.selection.SelectSlots({1, 3});
    d.form.WindowKeyDown(kKeyDelete, 0);
    EXPECT_FALSE(d.form.doc.IsLive(1));
    EXPECT_TRUE(d.form.doc.IsLive(2));
    EXPECT_FALSE(d.form.doc.IsLive(3));
    EXPECT_EQ(d.main.componentList.ListCount(), 1);
    EXPECT_TRUE(d.Selected().empty());
}

TEST(ArrangeTest, AlignAndSizeToThePrimary) {
    // Three boxes; the primary (index 1) is 100,200 300x400.
    const std::vector<BoxGeometry> boxes = {
        {10, 20, 30, 40}, {100, 200, 300, 400}, {1000, 50, 61, 10}};
    struct Case {
        ArrangeCommand command;
        std::vector<BoxGeometry> expected;
    };
    const std::vector<Case> cases = {
        {ArrangeCommand::AlignLefts, {{100, 20, 30, 40}, boxes[1], {100, 50, 61, 10}}},
        {ArrangeCommand::AlignRights, {{370, 20, 30, 40}, boxes[1], {339, 50, 61, 10}}},
        {ArrangeCommand::AlignTops, {{10, 200, 30, 40}, boxes[1], {1000, 200, 61, 10}}},
        {ArrangeCommand::AlignBottoms, {{10, 560, 30, 40}, boxes[1], {1000, 590, 61, 10}}},
        // Centre 250: 250 - 15 = 235; 250 - 30.5 = 219.5, rounded to 220.
        {ArrangeCommand::AlignCentres, {{235, 20, 30, 40}, boxes[1], {220, 50, 61, 10}}},
        {ArrangeCommand::AlignMiddles, {{10, 380, 30, 40}, boxes[1], {1000, 395, 61, 10}}},
        {ArrangeCommand::SameWidth, {{10, 20, 300, 40}, boxes[1], {1000, 50, 300, 10}}},
        {ArrangeCommand::SameHeight, {{10, 20, 30, 400}, boxes[1], {1000, 50, 61, 400}}},
        {ArrangeCommand::SameSize, {{10, 20, 300, 400}, boxes[1], {1000, 50, 300, 400}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Arranged(c.command, boxes, 1), c.expected) << InfoOf(c.command).caption;
    }
}

TEST(ArrangeTest, DistributingLeavesTheOuterOnesAndEqualisesTheGaps) {
    // Lefts 0, 100, 1000 with widths 100, 50, 200: span 0..1200, gaps (1200 - 350) / 2 = 425.
    const std::vector<BoxGeometry> across = {{1000, 0, 200, 10}, {0, 0, 100, 10}, {100, 0, 50, 10}};
    EXPECT_EQ(Arranged(ArrangeCommand::DistributeAcross, across, 0),
              (std::vector<BoxGeometry>{{1000, 0, 200, 10}, {0, 0, 100, 10}, {525, 0, 50, 10}}));
    // Down, with overlapping boxes (a negative gap) and a fractional gap rounded.
    const std::vector<BoxGeometry> down = {
        {0, 0, 10, 100}, {0, 50, 10, 100}, {0, 60, 10, 100}, {0, 101, 10, 100}};
    // Span 0..201, sizes 400: gap -199/3 = -66.33: tops 0, 33.67 -> 34, 67.33 -> 67, 101.
    EXPECT_EQ(Arranged(ArrangeCommand::DistributeDown, down, 0),
              (std::vector<BoxGeometry>{
                  {0, 0, 10, 100}, {0, 34, 10, 100}, {0, 67, 10, 100}, {0, 101, 10, 100}}));
}

TEST(ArrangeTest, CommandsNeedEnoughSelectedAndAreOneStepOnTheDocument) {
    Design d;
    d.Place("Label", 120, 120);
    d.Place("Label", 600, 600);
    d.form.selection.SelectSlots({1});
    EXPECT_FALSE(CanArrange(d.form, ArrangeCommand::AlignLefts));
    Arrange(d.form, ArrangeCommand::AlignLefts);
    EXPECT_FALSE(d.form.Modified());
    d.form.selection.SelectSlots({1, 2}, 1);
    EXPECT_TRUE(CanArrange(d.form, ArrangeCommand::AlignLefts));
    EXPECT_FALSE(CanArrange(d.form, ArrangeCommand::DistributeAcross));
    Arrange(d.form, ArrangeCommand::AlignLefts);
    EXPECT_EQ(d.Box(2).Left, 120);
    EXPECT_TRUE(d.form.Modified());
}

TEST(NudgeTest, ArrowKeysMoveOrSizeTheSelectionByAGridStepOrAPixel) {
    struct Case {
        int key, shift;
        BoxGeometry expected;
    };
    const std::vector<Case> cases = {
        {kKeyRight, 0, {360, 240, 1080, 360}},
        {kKeyLeft, 0, {120, 240, 1080, 360}},
        {kKeyDown, 0, {240, 360, 1080, 360}},
        {kKeyUp, 0, {240, 120, 1080, 360}},
        {kKeyRight, kCtrlMask, {255, 240, 1080, 360}},
        {kKeyUp, kCtrlMask, {240, 225, 1080, 360}},
        {kKeyRight, kShiftMask, {240, 240, 1200, 360}},
        {kKeyUp, kShiftMask, {240, 240, 1080, 240}},
        {kKeyLeft, kShiftMask | kCtrlMask, {240, 240, 1065, 360}},
    };
    for (const Case& c : cases) {
        Design d;
        d.Place("Label", 240, 240);
        EXPECT_TRUE(Nudge(d.form, c.key, c.shift));
        EXPECT_EQ(d.Box(1), c.expected) << c.key << " " << c.shift;
        EXPECT_TRUE(d.form.Modified());
    }
}

TEST(NudgeTest, TheSelectionStopsAtTheEdgesAndSizesStayAtLeastAPixel) {
    Design d;
    d.Place("Label", 0, 600);
    d.Place("Label", 600, 600);
    d.form.selection.SelectAll();
    Nudge(d.form, kKeyLeft, 0);  // label_1 is at the edge: neither moves
    EXPECT_EQ(d.Box(1).Left, 0);
    EXPECT_EQ(d.Box(2).Left, 600);
    EXPECT_FALSE(d.form.Modified());
    d.form.doc.MutableSlot(1).Height = 15;
    Nudge(d.form, kKeyUp, kShiftMask | kCtrlMask);
    EXPECT_EQ(d.Box(1).Height, 15);
    EXPECT_EQ(d.Box(2).Height, 345);
    EXPECT_FALSE(Nudge(d.form, 65, 0));  // not an arrow
}

}  // namespace
}  // namespace korvane
