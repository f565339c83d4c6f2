#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mainwindow/Help.h"
#include "mainwindow/MainController.h"
#include "mainwindow/TargetSelector.h"
#include "support/CoreProgram.h"
#include "support/TempFolder.h"

namespace korvane {
namespace {

using Program = testing::CoreProgram;

TEST(MainWindowResizeTest, PagesFollowTheHeightOnlyAboveTheirTopPlusAllowance) {
    Program p;
    p.main.ResizeWindow(9650, 6700);
    EXPECT_DOUBLE_EQ(p.main.PropertiesPageHeight, 6700 - kPropertiesPageTop - 1440);
    const double grown = p.main.PropertiesPageHeight;
    p.main.ResizeWindow(9650, kPropertiesPageTop + 1440);  // not more than top + 1440: kept
    EXPECT_DOUBLE_EQ(p.main.PropertiesPageHeight, grown);
    p.main.ResizeWindow(9650, 9000);
    EXPECT_DOUBLE_EQ(p.main.PropertiesPageHeight, 9000 - kPropertiesPageTop - 1440);
    EXPECT_DOUBLE_EQ(p.main.EventsPageHeight, p.main.PropertiesPageHeight);
    EXPECT_DOUBLE_EQ(p.main.PopupPageHeight, p.main.PropertiesPageHeight);
}

TEST(TargetSelectorTest, OnlyAppletFrameJAppletAndJFrameAreOffered) {
    std::vector<std::string_view> shown;
    for (const TargetMenuItem& item : TargetMenuItems())
        if (item.visible && !item.caption.empty()) shown.push_back(item.caption);
    EXPECT_EQ(shown, (std::vector<std::string_view>{"Applet", "Frame", "JApplet", "JFrame"}));
}

TEST(TargetSelectorTest, ChoosingSetsCaptionAndDocumentButActivationDoesNotTouchCaption) {
    Program p;
    p.main.ChooseTarget("JFrame");
    EXPECT_EQ(p.main.TargetCaption, "JFrame");
    EXPECT_EQ(p.form.doc.Target, "JFrame");
    // Activating a JFrame document presses no kind button.
    p.main.PressedTargetButton.clear();
    p.form.Activate();
    EXPECT_EQ(p.main.PressedTargetButton, "");
    // The document's own commands change its kind, not the caption.
    p.form.doc.Target = "Frame";
    p.form.Activate();
    EXPECT_EQ(p.main.PressedTargetButton, "Frame");
    EXPECT_EQ(p.main.TargetCaption, "JFrame");
    // Generate Code takes the caption again.
    p.main.GenerateButtonClicked();
    EXPECT_EQ(p.form.doc.Target, "JFrame");
}

TEST(TargetSelectorTest, WithTheDocumentClosedOnlyTheCaptionChangesAndGenerateDoesNothing) {
    Program p;
    ASSERT_TRUE(p.form.QueryClose());
    p.form.doc.Target = "Applet";
    p.main.ChooseTarget("Frame");
    EXPECT_EQ(p.main.TargetCaption, "Frame");
    EXPECT_EQ(p.form.doc.Target, "Applet");
    p.main.GenerateButtonClicked();
    p.main.SaveButtonClicked();
    EXPECT_EQ(p.form.doc.Target, "Applet");
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_TRUE(p.dialogs.requests.empty());
}

TEST(MainWindowShutdownTest, TheCodeWindowClosesEvenWhenTheDocumentCancels) {
    Program p;
    p.form.editor.InsertComponent("Label");
    p.main.codeListing.ShowGenerated({"}"});
    p.messages.answers = {MessageResult::Cancel};
    EXPECT_FALSE(p.main.QueryClose());
    EXPECT_FALSE(p.main.codeListing.Visible);
    EXPECT_TRUE(p.form.Loaded());
    EXPECT_TRUE(p.form.Modified());
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].title, "Close File");
    p.messages.answers = {MessageResult::No};
    EXPECT_TRUE(p.main.QueryClose());
    EXPECT_FALSE(p.form.Loaded());
}

TEST(HelpFileTest, BesideTheProgramFirstThenTheInstalledDataFolder) {
    namespace fs = std::filesystem;
    const testing::TempFolder scratch("help");
    const fs::path& root = scratch.dir;
    fs::create_directories(root / "bin");
    fs::create_directories(root / "share" / "korvane");
    const std::string bin = (root / "bin").string();
    EXPECT_EQ(HelpFilePath(bin), (root / "bin" / "korvane.hlp").string());  // missing: named anyway
    std::ofstream(root / "share" / "korvane" / "korvane.hlp") << "<html/>";
    EXPECT_EQ(HelpFilePath(bin), (root / "share" / "korvane" / "korvane.hlp").string());
    std::ofstream(root / "bin" / "korvane.hlp") << "<html/>";
    EXPECT_EQ(HelpFilePath(bin), (root / "bin" / "korvane.hlp").string());
}

}  // namespace
}  // namespace korvane
