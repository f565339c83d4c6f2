// Messages that quote text from a file stay short whatever the file holds: in the desktop
// program's message boxes and on korvane-gen's standard error.
#include <gtest/gtest.h>

#include "cli/Commands.h"
#include "codegen/GenerateCode.h"
#include "document/DocumentController.h"
#include "platform/Text.h"
#include "support/ScriptedServices.h"
#include "support/TempFolder.h"

namespace korvane {
namespace {

using testing::TempFolder;

TEST(LongTextMessagesTest, QuotedTextIsCutAfterSixtyCharacters) {
    const std::string sixty(60, 'a');
    const std::string accented = "\xC3\xA9";  // one character, two bytes
    const std::pair<std::string, std::string> cases[] = {
        {"", "\"\""},
        {"label_1", "\"label_1\""},
        {sixty, "\"" + sixty + "\""},
        {sixty + "b", "\"" + sixty + "...\""},
        {std::string(59, 'a') + accented + "tail",
         "\"" + std::string(59, 'a') + accented + "...\""},
        {std::string(60, 'a') + accented, "\"" + sixty + "...\""},
    };
    for (const auto& [text, quoted] : cases) EXPECT_EQ(Quoted(text), quoted) << text;
}

constexpr size_t kHuge = 1 << 20;

// A design whose one label has a very long text in one of its fields, and what field it is.
struct HostileDesign {
    const char* field;
    std::string section;
};

std::vector<HostileDesign> HostileDesigns() {
    const std::string huge(kHuge, 'q');
    auto design = [](const std::string& component, const std::string& font) {
        return "[Main]\r\nSizeX=4800\r\nSizeY=3600\r\n[Font]\r\n" + font + "[1]\r\n" + component +
               "X=120\r\nY=120\r\nSizeX=1080\r\nSizeY=360\r\nOrder=1\r\n";
    };
    return {
        {"name", design("Name=" + huge + "-\r\nType=Label\r\n", "")},
        {"kind", design("Name=a\r\nType=" + huge + "\r\n", "")},
        {"font style", design("Name=a\r\nType=Label\r\n", "Style=" + huge + "\r\n")},
        {"popup class",
         design("Name=a\r\nType=Label\r\nPopup=Frame," + huge + "-,mouseClicked\r\n", "")},
    };
}

TEST(LongTextMessagesTest, RefusalsOfTheDesktopAndOfKorvaneGenStayShort) {
    TempFolder folder("long-messages");
    for (const HostileDesign& d : HostileDesigns()) {
        SCOPED_TRACE(d.field);
        const std::string path = folder.Path("Hostile.dat");
        TempFolder::Write(path, d.section);

        testing::ScriptedMessageBox messages;
        testing::ScriptedFileDialog dialogs;
        DocumentController form(messages, dialogs);
        form.Load();
        ASSERT_TRUE(form.OpenPath(path));
        const EventCatalogue catalogue;
        GeneratedJava generated = GenerateJava(form.doc, catalogue);
        ASSERT_FALSE(generated.ok());
        EXPECT_LT(generated.refusal.size(), 400u) << generated.refusal.substr(0, 400);

        ::testing::internal::CaptureStderr();
        EXPECT_EQ(RunJavaCommand({path, "-o", folder.Path("Hostile.java")}), 1);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_LT(err.size(), 400u + path.size()) << err.substr(0, 400);
        EXPECT_NE(err.find("qqq...\""), std::string::npos) << err.substr(0, 400);
    }
}

TEST(LongTextMessagesTest, ArgumentsQuotedByKorvaneGenStayShort) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RunJavaCommand({"x.dat", "--as", std::string(kHuge, 'K')}), 2);
    EXPECT_LT(::testing::internal::GetCapturedStderr().size(), 300u);
}

}  // namespace
}  // namespace korvane
