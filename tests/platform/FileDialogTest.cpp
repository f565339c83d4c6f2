#include <gtest/gtest.h>

#include "platform/FileDialog.h"
#include "support/ScriptedServices.h"

namespace korvane {
namespace {

using testing::ScriptedFileDialog;

TEST(ClsOpenSaveTest, FilterTextRoundTripsThroughThePlatformForm) {
    CommonFileDialog d;
    EXPECT_EQ(d.Filter(), "All Files (*.*)|*.*");
    const std::string texts[] = {"Projects (*.dat)|*.dat|Java (*.java)|*.java",
                                 "All files (*.dat)|*.dat", ""};
    for (const std::string& t : texts) {
        d.SetFilter(t);
        EXPECT_EQ(d.Filter(), t);
        ASSERT_GE(d.InternalFilter().size(), 2u);
        EXPECT_EQ(d.InternalFilter().substr(d.InternalFilter().size() - 2), std::string(2, '\0'));
    }
    d.SetFilter(std::string("a|b||", 5));  // already ends with two separators: none added
    EXPECT_EQ(d.InternalFilter(), std::string("a\0b\0\0", 5));
}

TEST(ClsOpenSaveTest, ShowPassesThePropertiesAndReadsTheAnswer) {
    ScriptedFileDialog service;
    CommonFileDialog d(&service);
    d.SetFilter("Projects (*.dat)|*.dat|Java (*.java)|*.java");
    d.InitDir = "/home/user/";
    d.FileName = "Login";
    d.Flags = 6;
    service.paths = {"  /home/user/ui/login.dat  "};
    d.ShowSave();
    ASSERT_EQ(service.requests.size(), 1u);
    const FileDialogRequest& r = service.requests[0];
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.initialFolder, "/home/user/");
    EXPECT_EQ(r.proposedName, "Login");
    ASSERT_EQ(r.filters.size(), 2u);
    EXPECT_EQ(r.filters[1], (std::pair<std::string, std::string>{"Java (*.java)", "*.java"}));
    EXPECT_EQ(d.FileName, "/home/user/ui/login.dat");
    EXPECT_EQ(d.FileTitle, "login.dat");
}

TEST(ClsOpenSaveTest, CancelEmptiesOnlyTheSaveDialogsNameAndRaisesWhenAsked) {
    ScriptedFileDialog service;
    CommonFileDialog d(&service);
    d.FileName = "kept";
    d.ShowOpen();
    EXPECT_EQ(d.FileName, "kept");
    d.ShowSave();
    EXPECT_EQ(d.FileName, "");
    d.CancelError = true;
    try {
        d.ShowOpen();
        FAIL() << "no error raised";
    } catch (const CancelSelected& e) {
        EXPECT_EQ(e.number, 32755);
        EXPECT_EQ(e.description, "Cancel was selected");
    }
}

}  // namespace
}  // namespace korvane
