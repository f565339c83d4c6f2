#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mainwindow/MainController.h"
#include "support/ScriptedServices.h"
#include "surface/DesignSurface.h"

namespace korvane {
namespace {

// The document window's view: records the pop-up menus and runs a chosen item.
struct RecordingView : DocumentView {
    void ShowPopupMenu(std::string_view menu) override {
        menus.emplace_back(menu);
        if (onMenu) onMenu(menu);
    }
    std::vector<std::string> menus;
    std::function<void(std::string_view)> onMenu;
};

struct Design {
    Design() : form(messages, dialogs), main(form), surface(form, &main) {
        main.Load();
        form.SetMainWindow(&main);
        form.SetView(&view);
        form.Load();
        form.doc.GridSize = 120;
        form.doc.GridAlign = true;
    }
    // A component placed at (left, top), selected as after an insertion, design unmodified.
    int Place(std::string_view tag, float left, float top) {
        form.doc.InsertX = left;
        form.doc.InsertY = top;
        form.editor.InsertComponent(tag);
        form.History().MarkSaved();
        return form.doc.SlotCount();
    }
    const ComponentRecord& Box(int i) { return form.doc.Slot(i); }
    const HandleBox& Handle(int k) { return form.doc.Handles[static_cast<size_t>(k)]; }

    testing::ScriptedMessageBox messages;
    testing::ScriptedFileDialog dialogs;
    RecordingView view;
    DocumentController form;
    MainController main;
    DesignSurface surface;
};

constexpr int kLeft = kLeftButton, kRight = kRightButton;

TEST(DesignSurfaceTest, ClickWithoutMovementSelectsAndLeavesTheDesignUnmodified) {
    Design d;
    int a = d.Place("Label", 120, 120);
    int b = d.Place("TextBox", 1200, 1200);
    d.surface.ComponentMouseDown(a, kLeft, 0, 30, 30);
    EXPECT_EQ(d.form.doc.ActiveSlot, a);
    EXPECT_FALSE(d.Handle(1).Visible);  // hidden while the button is down
    d.surface.ComponentMouseUp(a, kLeft, 0, 30, 30);
    d.surface.ComponentClick(a);
    EXPECT_FALSE(d.form.Modified());
    EXPECT_TRUE(d.Handle(1).Visible);
    EXPECT_EQ(d.Handle(1).Left, 120 - 90);
    EXPECT_EQ(d.Handle(4).Top, 120 + 360);
    EXPECT_LT(d.Box(a).ZOrder, d.Box(b).ZOrder);  // selecting does not restack
    EXPECT_EQ(d.main.componentList.ListIndex,
              d.main.componentList.FindName("label_1"));  // ShowInList
    EXPECT_EQ(d.surface.MousePointer, Pointer::Default);
}

TEST(DesignSurfaceTest, DragMovesLiveWithThePressPointAndSnapsOnRelease) {
    struct Case {
        bool align;
        float dx, dy, left, top;
    };
    const Case cases[] = {
        {true, 50, 61, 120, 240},   // 170, 181 -> 120, 240
        {true, 60, 0, 120, 120},    // 180: remainder exactly 60 goes down
        {true, -500, -500, 0, 0},   // off the surface: back to 0
        {false, 50, 61, 170, 181},  // no grid: left where dropped
    };
    for (const Case& c : cases) {
        Design d;
        d.form.doc.GridAlign = c.align;
        int a = d.Place("CommandButton", 120, 120);
        d.surface.ComponentMouseDown(a, kLeft, 0, 30, 30);
        // Pointer positions are relative to the box, which follows the pointer.
        d.surface.ComponentMouseMove(a, kLeft, 0, 30 + c.dx / 2, 30 + c.dy / 2);
        d.surface.ComponentMouseMove(a, kLeft, 0, 30 + c.dx / 2, 30 + c.dy / 2);
        EXPECT_EQ(d.Box(a).Left, 120 + c.dx);
        EXPECT_EQ(d.Box(a).Top, 120 + c.dy);
        EXPECT_FALSE(d.Handle(1).Visible);
        d.surface.ComponentMouseUp(a, kLeft, 0, 30, 30);
        EXPECT_EQ(d.Box(a).Left, c.left);
        EXPECT_EQ(d.Box(a).Top, c.top);
        // Modified only when the drop leaves it somewhere else than where it was pressed.
        EXPECT_EQ(d.form.Modified(), c.left != 120 || c.top != 120);
        EXPECT_FALSE(d.form.doc.MouseIsDown);
        EXPECT_TRUE(d.Handle(4).Visible);
        EXPECT_EQ(d.Handle(4).Left, c.left + 1080);
        // With no grid no minimum applies either.
        EXPECT_EQ(d.Box(a).Width, 1080);
    }
}

TEST(DesignSurfaceTest, RightPressSelectsAndOpensTheComponentMenuWithoutMoving) {
    Design d;
    int a = d.Place("Label", 120, 120);
    int b = d.Place("Label", 1200, 120);
    d.surface.ComponentMouseDown(a, kRight, 0, 10, 10);
    EXPECT_EQ(d.view.menus, std::vector<std::string>{"menuControl"});
    EXPECT_EQ(d.form.doc.ActiveSlot, a);
    EXPECT_FALSE(d.form.doc.MouseIsDown);
    EXPECT_TRUE(d.Handle(1).Visible);
    // Delete chosen from the menu: the handles go once it closes.
    d.view.onMenu = [&](std::string_view) { d.form.editor.DeleteSelection(); };
    d.surface.ComponentMouseDown(b, kRight, 0, 10, 10);
    EXPECT_FALSE(d.form.doc.IsLive(b));
    EXPECT_FALSE(d.Handle(1).Visible);
}

TEST(DesignSurfaceTest, ArmedToolClickOnAComponentInsertsAtTheClickedPoint) {
    for (bool swing : {false, true}) {
        Design d;
        int a = d.Place("Label", 120, 120);
        // Pressed on a palette button and released elsewhere: the tool stays armed.
        if (swing)
            d.main.palettes.SwingButtonMouseDown(2);
        else
            d.main.palettes.AwtButtonMouseDown(4);
        d.surface.ComponentMouseDown(a, kLeft, 0, 100, 50);
        EXPECT_EQ(d.surface.MousePointer, Pointer::Crosshair);
        EXPECT_FALSE(d.form.doc.MouseIsDown);
        d.surface.ComponentMouseMove(a, kLeft, 0, 400, 50);
        EXPECT_EQ(d.Box(a).Left, 120);  // no drag while armed
        d.surface.ComponentMouseUp(a, kLeft, 0, 100, 50);
        d.surface.ComponentClick(a);
        ASSERT_EQ(d.form.doc.SlotCount(), 2);
        const ComponentRecord& added = d.Box(2);
        EXPECT_EQ(added.ComponentType, swing ? "JButton" : "CommandButton");
        EXPECT_EQ(added.Left, 240);  // pressed at 220, 170: snapped
        EXPECT_EQ(added.Top, 120);
        EXPECT_EQ(d.form.doc.ActiveSlot, 2);
        EXPECT_TRUE(d.Handle(1).Visible);
        EXPECT_FALSE(d.main.palettes.ToolArmed());
        EXPECT_EQ(d.main.palettes.awt[0].look.TopLine, palettecolour::Black);
    }
}

struct Resize {
    int corner;
    float dx, dy;
    float left, top, width, height;
};

TEST(DesignSurfaceTest, EachHandleResizesLiveAndSnapsOnRelease) {
    // The box starts at (1200, 1200), 1080 x 360; each handle is dragged by (250, 130).
    const Resize cases[] = {
        {1, 250, 130, 1440, 1320, 840, 240}, {2, 250, 130, 1200, 1320, 1320, 240},
        {3, 250, 130, 1440, 1200, 840, 480}, {4, 250, 130, 1200, 1200, 1320, 480},
        {4, -2000, 0, 1200, 1200, 240, 360},  // under the minimum: G while dragging, 240 at drop
    };
    for (const Resize& c : cases) {
        SCOPED_TRACE(c.corner);
        Design d;
        int a = d.Place("TextArea", 1200, 1200);
        d.surface.HandleMouseDown(c.corner, kLeft, 0, 45, 45);
        d.surface.HandleMouseMove(c.corner, kLeft, 0, 45 + c.dx, 45 + c.dy);
        // The handles stay round the box as it changes.
        EXPECT_EQ(d.Handle(4).Left, d.Box(a).Left + d.Box(a).Width);
        EXPECT_EQ(d.Handle(1).Top, d.Box(a).Top - 90);
        d.surface.HandleMouseUp(c.corner, kLeft, 0, 45, 45);
        EXPECT_TRUE(d.form.Modified());  // the resize is one edit, made at the release
        EXPECT_EQ(d.Box(a).Left, c.left);
        EXPECT_EQ(d.Box(a).Top, c.top);
        EXPECT_EQ(d.Box(a).Width, c.width);
        EXPECT_EQ(d.Box(a).Height, c.height);
        EXPECT_FALSE(d.form.doc.MouseIsDown);
    }
}

TEST(DesignSurfaceTest, TopLeftHandlePastTheOppositeCornerStopsAtTheGridStep) {
    Design d;
    int a = d.Place("TextArea", 1200, 1200);
    d.surface.HandleMouseDown(1, kLeft, 0, 45, 45);
    d.surface.HandleMouseMove(1, kLeft, 0, 45 + 2000, 45);
    EXPECT_EQ(d.Box(a).Width, 120);
    EXPECT_EQ(d.Box(a).Left, 3200);  // where the handle put it
    EXPECT_FALSE(d.form.doc.ValidSize);
    EXPECT_EQ(d.surface.HandlePointer[1], Pointer::SizeNWSE);
    // The handle no longer follows the pointer.
    d.surface.HandleMouseMove(1, kLeft, 0, 45 + 500, 45);
    EXPECT_EQ(d.Box(a).Left, 3200);
    EXPECT_EQ(d.Handle(1).Left, 3110);
    EXPECT_EQ(d.surface.HandlePointer[1], Pointer::Default);
    d.surface.HandleMouseUp(1, kLeft, 0, 45, 45);
    EXPECT_EQ(d.Box(a).Left, 3240);
    EXPECT_EQ(d.Box(a).Width, 240);
}

TEST(DesignSurfaceTest, HandlePointersAndModifiedOnceAResizeChangesTheBox) {
    Design d;
    d.Place("Label", 1200, 1200);
    for (int k = 1; k <= 4; ++k) {
        d.surface.HandleMouseMove(k, 0, 0, 10, 10);
        EXPECT_EQ(d.surface.HandlePointer[k],
                  k == 1 || k == 4 ? Pointer::SizeNWSE : Pointer::SizeNESW);
    }
    EXPECT_FALSE(d.form.Modified());  // hovering changes nothing
    // A press and release without a change of size is no edit.
    d.surface.HandleMouseDown(2, kLeft, 0, 45, 45);
    d.surface.HandleMouseMove(2, kLeft, 0, 45, 45);
    d.surface.HandleMouseUp(2, kLeft, 0, 45, 45);
    EXPECT_FALSE(d.form.Modified());
    EXPECT_EQ(d.Box(1).Width, 1080);
    d.surface.HandleMouseDown(2, kLeft, 0, 45, 45);
    d.surface.HandleMouseMove(2, kLeft, 0, 45 + 240, 45);
    d.surface.HandleMouseUp(2, kLeft, 0, 45 + 240, 45);
    EXPECT_TRUE(d.form.Modified());
    EXPECT_EQ(d.Box(1).Width, 1320);
}

TEST(DesignSurfaceTest, LeftPressOnTheSurfaceClearsTheSelectionSoDeleteDeletesNothing) {
    Design d;
    int a = d.Place("Label", 120, 120);
    d.surface.BackgroundMouseDown(kLeft, 0, 2000, 1500);
    EXPECT_EQ(d.form.doc.InsertX, 2000);
    EXPECT_EQ(d.form.doc.InsertY, 1500);
    EXPECT_EQ(d.form.doc.ActiveSlot, 0);
    EXPECT_FALSE(d.Handle(3).Visible);
    EXPECT_EQ(d.main.componentList.ListIndex, -1);
    d.form.WindowKeyDown(kKeyDelete, 0);
    EXPECT_TRUE(d.form.doc.IsLive(a));
    EXPECT_FALSE(d.form.Modified());
    d.surface.BackgroundClick();
    EXPECT_EQ(d.form.doc.SlotCount(), 1);  // both palettes on their pointers
    EXPECT_EQ(d.surface.MousePointer, Pointer::Default);
    d.surface.BackgroundMouseDown(kRight, 0, 10, 10);
    EXPECT_EQ(d.view.menus, std::vector<std::string>{"menuForm"});
}

TEST(DesignSurfaceTest, DeleteKeyHidesTheSelectedComponentAndItsHandles) {
    Design d;
    int a = d.Place("Label", 120, 120);
    d.form.WindowKeyDown(kKeyDelete, 0);
    EXPECT_FALSE(d.form.doc.IsLive(a));
    EXPECT_FALSE(d.Handle(1).Visible);
    EXPECT_TRUE(d.form.Modified());
    d.form.WindowKeyDown(37, 0);  // an arrow key moves nothing
    EXPECT_EQ(d.Box(a).Left, 120);
}

TEST(DesignSurfaceTest, ArmedClickOnTheSurfaceInsertsSnappedAtThePressedPoint) {
    Design d;
    d.main.palettes.AwtButtonMouseDown(11);  // Scrollbar V
    d.surface.BackgroundMouseMove(0, 0, 500, 500);
    EXPECT_EQ(d.surface.MousePointer, Pointer::Crosshair);
    d.surface.BackgroundMouseDown(kLeft, 0, 1000, 700);
    EXPECT_EQ(d.view.menus.size(), 0u);
    d.surface.BackgroundClick();
    ASSERT_EQ(d.form.doc.SlotCount(), 1);
    EXPECT_EQ(d.Box(1).ComponentType, "VScrollBar");
    EXPECT_EQ(d.Box(1).Left, 960);
    EXPECT_EQ(d.Box(1).Top, 720);
    EXPECT_EQ(d.Box(1).Width, 360);
    EXPECT_EQ(d.Box(1).Height, 1080);
    EXPECT_EQ(d.form.doc.ActiveSlot, 1);
    EXPECT_TRUE(d.Handle(1).Visible);
    EXPECT_FALSE(d.main.palettes.ToolArmed());
}

TEST(DesignSurfaceTest, MovingOverTheDesignReleasesTheDeleteAndMenuButtons) {
    Design d;
    int a = d.Place("Label", 120, 120);
    Palettes& p = d.main.palettes;
    for (bool onBox : {false, true}) {
        p.DeleteButtonMouseDown(1);
        p.PressedMenuButton = 3;
        p.ShowAwtRaised(5);
        if (onBox)
            d.surface.ComponentMouseMove(a, 0, 0, 5, 5);
        else
            d.surface.BackgroundMouseMove(0, 0, 5, 5);
        EXPECT_EQ(p.PressedDeleteButton, 0);
        EXPECT_EQ(p.PressedMenuButton, 0);
        EXPECT_EQ(p.del[1].look, ButtonLook{});
        EXPECT_EQ(p.awt[5].look.TopLine, palettecolour::Line);
    }
}

TEST(DesignSurfaceTest, WithoutTheMainWindowClicksOnlySelect) {
    Design d;
    int a = d.Place("Label", 120, 120);
    d.main.palettes.AwtButtonMouseDown(1);
    DesignSurface lone(d.form, nullptr);
    lone.ComponentMouseDown(a, kLeft, 0, 10, 10);
    lone.ComponentMouseUp(a, kLeft, 0, 10, 10);
    lone.ComponentClick(a);
    lone.BackgroundClick();
    EXPECT_EQ(d.form.doc.SlotCount(), 1);
    EXPECT_EQ(d.form.doc.ActiveSlot, a);
}

}  // namespace
}  // namespace korvane
