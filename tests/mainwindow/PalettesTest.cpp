#include <gtest/gtest.h>

#include "mainwindow/MainController.h"
#include "support/CoreProgram.h"

namespace korvane {
namespace {

using Program = testing::CoreProgram;

using namespace palettecolour;

const ButtonLook kNormal{};
const ButtonLook kPressed{Black, Black, White, White, PressedBack, 15, 15};
const ButtonLook kHighlighted{White, White, Black, Black, Back, 0, 0};

TEST(PalettesTest, StartUpShowsSwingWithBothPointersPressed) {
    Program p;
    const Palettes& pal = p.main.palettes;
    EXPECT_TRUE(pal.SwingVisible);
    EXPECT_FALSE(pal.AwtVisible);
    EXPECT_FALSE(pal.awt[1].Visible);
    EXPECT_TRUE(pal.swing[12].Visible);
    EXPECT_EQ(pal.awt[0].look, kPressed);
    EXPECT_EQ(pal.swing[0].look, kPressed);
    EXPECT_EQ(pal.awt[3].look, kNormal);
    EXPECT_EQ(pal.ArmedAwtButton, 0);
    EXPECT_EQ(pal.PressedDeleteButton, 0);
    // Two columns: odd numbers at 60, even ones at 465; button 0 stays outside the panel.
    EXPECT_EQ(pal.swing[1].Left, 60);
    EXPECT_EQ(pal.swing[2].Left, 465);
    EXPECT_EQ(pal.swing[11].Left, 60);
    EXPECT_EQ(pal.swing[0].Left, 1110);
    EXPECT_EQ(pal.swing[12].Top, 2370);
    EXPECT_EQ(pal.awt[5].Top, 2775);
    EXPECT_EQ(pal.del[1].Top, 3675);
    EXPECT_FALSE(pal.del[2].Visible);
}

TEST(PalettesTest, LooksChangeExactlyTheirLinesBackgroundAndImage) {
    Palettes pal;
    pal.ShowAwtRaised(2);
    EXPECT_EQ(pal.awt[2].look, kHighlighted);
    pal.ShowAwtPressed(2);
    EXPECT_EQ(pal.awt[2].look, kPressed);
    pal.ShowAwtRaised(2);  // highlight keeps the pressed background and image
    EXPECT_EQ(pal.awt[2].look, (ButtonLook{White, White, Black, Black, PressedBack, 15, 15}));
    pal.ShowAwtNormal(2);
    EXPECT_EQ(pal.awt[2].look, kNormal);
    pal.awt[3].look.BackColor = Rgb{1, 2, 3};  // image at (0,0): background left alone
    pal.ShowAwtNormal(3);
    EXPECT_EQ(pal.awt[3].look.BackColor, (Rgb{1, 2, 3}));
    pal.ShowAwtNormal(99);  // out of range: nothing
}

TEST(PalettesTest, HoverHighlightsOneButtonAndKeepsThePressedOne) {
    Program p;
    Palettes& pal = p.main.palettes;
    pal.ActivatePalette("AWT");
    pal.AwtButtonMouseMove(3);
    pal.AwtButtonMouseMove(4);
    EXPECT_EQ(pal.awt[3].look, kNormal);
    EXPECT_EQ(pal.awt[4].look, kHighlighted);
    EXPECT_EQ(pal.awt[0].look, kPressed);
    pal.SwingButtonMouseMove(7);
    EXPECT_EQ(pal.swing[7].look, kHighlighted);
    pal.PanelMouseMove(0, 0, 1, 1);
    EXPECT_EQ(pal.awt[4].look, kNormal);
    EXPECT_EQ(pal.swing[7].look, kNormal);
    EXPECT_EQ(pal.swing[0].look, kPressed);
}

TEST(PalettesTest, PressReleasedElsewhereArmsTheToolAndAClickInsertsAtOneGridStep) {
    Program p;
    Palettes& pal = p.main.palettes;
    pal.AwtButtonMouseDown(8);
    EXPECT_EQ(pal.ArmedAwtButton, 8);
    EXPECT_EQ(pal.awt[8].look, kPressed);
    EXPECT_EQ(pal.awt[0].look, kNormal);
    EXPECT_TRUE(pal.ToolArmed());
    // A real click instead: the component lands one grid step from the corner.
    p.form.doc.InsertX = p.form.doc.InsertY = 999;
    pal.AwtButtonClick(8);
    ASSERT_EQ(p.form.doc.SlotCount(), 1);
    EXPECT_EQ(p.form.doc.Slot(1).ComponentType, "ComboBox");
    EXPECT_EQ(p.form.doc.Slot(1).Left, p.form.doc.GridSize);
    EXPECT_EQ(pal.ArmedAwtButton, 0);
    EXPECT_EQ(pal.awt[0].look, kPressed);
    EXPECT_EQ(pal.awt[8].look, kNormal);
    pal.SwingButtonClick(12);
    EXPECT_EQ(p.form.doc.Slot(2).ComponentType, "JScrollPane");
    pal.AwtButtonClick(0);  // the pointer inserts nothing
    EXPECT_EQ(p.form.doc.SlotCount(), 2);
    EXPECT_EQ(pal.awt[0].look, kPressed);
}

TEST(PalettesTest, DeleteButtonPressResetsTheAwtPaletteAndItsClickDeletes) {
    Program p;
    Palettes& pal = p.main.palettes;
    p.form.editor.InsertComponent("Label");
    pal.AwtButtonMouseDown(5);
    pal.DeleteButtonMouseDown(1);
    EXPECT_EQ(pal.ArmedAwtButton, 0);
    for (int k = 0; k <= 13; ++k) EXPECT_EQ(pal.awt[k].look, kNormal) << k;
    EXPECT_EQ(pal.del[1].look, kPressed);
    pal.DeleteButtonClick(1);
    EXPECT_FALSE(p.form.doc.IsLive(1));
    EXPECT_FALSE(p.form.doc.Handles[1].Visible);
    EXPECT_EQ(pal.del[1].look, kHighlighted);
    EXPECT_EQ(pal.PressedDeleteButton, 0);
}

TEST(PalettesTest, DeleteWithNothingSelectedStillHidesTheHandles) {
    Program p;
    p.form.doc.ActiveSlot = 0;
    p.form.selection.ShowHandles(true);
    p.main.palettes.DeleteButtonMouseDown(1);
    p.main.palettes.DeleteButtonClick(1);
    EXPECT_FALSE(p.form.doc.Handles[2].Visible);
}

TEST(PalettesTest, SwitchingPalettes) {
    Program p;
    Palettes& pal = p.main.palettes;
    pal.ChooseAwtPalette();
    EXPECT_TRUE(pal.AwtVisible && pal.awt[0].Visible && pal.awt[13].Visible);
    EXPECT_FALSE(pal.SwingVisible || pal.swing[1].Visible);
    EXPECT_TRUE(pal.AwtMenuChecked);
    EXPECT_FALSE(pal.SwingMenuChecked);
    pal.ActivatePalette("Swing2");
    EXPECT_TRUE(pal.AwtVisible);
    EXPECT_FALSE(pal.SwingVisible);
    pal.ChooseSwingPalette();
    EXPECT_TRUE(pal.SwingVisible && !pal.AwtVisible);
}

TEST(PalettesTest, ClosingTheDocumentDisablesTheButtons) {
    Program p;
    EXPECT_TRUE(p.main.palettes.ButtonsEnabled);
    p.form.QueryClose();
    EXPECT_FALSE(p.main.palettes.ButtonsEnabled);
    p.main.palettes.AwtButtonClick(1);  // no document: nothing inserted
    EXPECT_EQ(p.form.doc.SlotCount(), 0);
}

TEST(PaletteButtonPictureTest, BorderLinesBackgroundAndImageShift) {
    struct Case {
        ButtonLook look;
        Rgb top, left, bottom, right, back;
    };
    const Case cases[] = {
        {kNormal, Line, Line, Line, Line, Back},
        {kPressed, Black, Black, White, White, PressedBack},
        {kHighlighted, White, White, Black, Black, Back},
    };
    for (const Case& c : cases) {
        Canvas canvas(30, 30, Rgb{9, 9, 9});
        PaintPaletteButton(canvas, 2, 3, c.look, PaletteKind::Swing, 11);
        EXPECT_EQ(canvas.Pixel(2 + 12, 3), c.top);
        EXPECT_EQ(canvas.Pixel(2, 3 + 12), c.left);
        EXPECT_EQ(canvas.Pixel(2 + 12, 3 + 24), c.bottom);
        EXPECT_EQ(canvas.Pixel(2 + 24, 3 + 24), c.bottom);  // the bottom line reaches column 24
        EXPECT_EQ(canvas.Pixel(2 + 24, 3 + 12), c.right);
        EXPECT_EQ(canvas.Pixel(2 + 1, 3 + 1), c.back);
        EXPECT_EQ(canvas.Pixel(2 + 25, 3 + 12), (Rgb{9, 9, 9}));
    }
    // The pressed image is the normal one moved one pixel down and right.
    Canvas normal(26, 26), pressed(26, 26);
    PaintButtonImage(normal, 0, 0, PaletteKind::Awt, 4);
    PaintButtonImage(pressed, 1, 1, PaletteKind::Awt, 4);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) EXPECT_EQ(normal.Pixel(x, y), pressed.Pixel(x + 1, y + 1));
}

TEST(PaletteButtonPictureTest, EveryKindHasItsOwnPicture) {
    std::vector<std::vector<uint8_t>> seen;
    auto picture = [](PaletteKind kind, int k) {
        Canvas c(24, 24, Back);
        PaintButtonImage(c, 0, 0, kind, k);
        return c.Data();
    };
    for (int k = 0; k <= 13; ++k) seen.push_back(picture(PaletteKind::Awt, k));
    for (int k = 1; k <= 12; ++k) seen.push_back(picture(PaletteKind::Swing, k));
    seen.push_back(picture(PaletteKind::Delete, 1));
    for (size_t i = 0; i < seen.size(); ++i)
        for (size_t j = i + 1; j < seen.size(); ++j) EXPECT_NE(seen[i], seen[j]) << i << " " << j;
    EXPECT_NE(seen[0], Canvas(24, 24, Back).Data());
}

}  // namespace
}  // namespace korvane
