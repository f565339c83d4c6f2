// What the generated window does when it runs: its size, the fonts of Swing components, the
// events and bindings it cannot write (named in warnings), and the popup classes javac would
// reject.
#include <gtest/gtest.h>

#include "codegen/GenerationSupport.h"
#include "codegen/GenerationWarnings.h"

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(GeneratedWindowTest, WindowsPackOnceTheyKnowTheirDecorations) {
    const struct {
        const char* target;
        const char* sizeLine;
    } cases[] = {
        {"Frame", "        pack();"},
        {"JFrame", "        pack();"},
        {"Dialog", "        pack();"},
        {"JDialog", "        pack();"},
        {"Panel", "        setSize(getPreferredSize());"},
        {"JPanel", "        setSize(getPreferredSize());"},
        {"Applet", "        setSize(getPreferredSize());"},
        {"JApplet", "        setSize(getPreferredSize());"},
    };
    for (const auto& c : cases) {
        const Lines lines = GenerateLines(Design("Win", c.target, {{"b", "CommandButton", "OK"}}));
        EXPECT_EQ(Count(lines, c.sizeLine), 1) << c.target;
        EXPECT_EQ(
            Count(lines, "        pack();") + Count(lines, "        setSize(getPreferredSize());"),
            1)
            << c.target;
    }
}

TEST(GeneratedWindowTest, SwingComponentsTakeTheDesignedFont) {
    const std::vector<Part> parts = {
        {"label_1", "Label", "a"}, {"jlabel_1", "JLabel", "b"}, {"area_1", "JTextArea", "c"}};
    const struct {
        const char* target;
        const char* fontLine;
    } cases[] = {
        {"Frame", "        jlabel_1.setFont(getFont());"},
        {"JPanel", "        jlabel_1.setFont(getFont());"},
        {"JFrame", "        jlabel_1.setFont(getContentPane().getFont());"},
        {"JApplet", "        jlabel_1.setFont(getContentPane().getFont());"},
    };
    for (const auto& c : cases) {
        const Lines lines = GenerateLines(Design("Fonts", c.target, parts));
        const int font = IndexOf(lines, c.fontLine);
        ASSERT_GT(font, 0) << c.target;
        EXPECT_TRUE(lines[static_cast<size_t>(font) + 1].ends_with("add(jlabel_1);")) << c.target;
        // The text area, not its scroll pane, shows the text; AWT components inherit the font.
        EXPECT_EQ(Count(lines, std::string(c.fontLine).replace(8, 8, "area_1")), 1) << c.target;
        EXPECT_EQ(IndexOf(lines, "        label_1.setFont(getFont());"), -1) << c.target;
    }
}

TEST(GeneratedWindowTest, WhatIsLeftOutIsNamed) {
    const struct {
        const char* what;
        std::string target;
        Part part;
        std::string warned;  // "" = no warning
        std::vector<MenuElement> menu = {};
    } cases[] = {
        {"a JList's actionPerformed",
         "JFrame",
         {"list_1", "JList", "", "actionPerformed()"},
         "\"actionPerformed()\" of \"list_1\" is left out: JList"},
        {"a JTextField's textValueChanged",
         "Frame",
         {"text_1", "JTextField", "", "textValueChanged()"},
         "\"textValueChanged()\" of \"text_1\""},
        {"a method no class offers",
         "Frame",
         {"b", "CommandButton", "", "clicked()"},
         "\"clicked()\" of \"b\""},
        {"a Dialog binding outside a frame",
         "Panel",
         {"b", "CommandButton", "", "", "1", "Dialog,AboutBox,actionPerformed()"},
         "The popup binding of \"b\" opens the Dialog \"AboutBox\""},
        {"a Dialog binding in a frame",
         "Frame",
         {"b", "CommandButton", "", "", "1", "Dialog,AboutBox,actionPerformed()"},
         ""},
        {"a JRadioButton's item events",
         "JFrame",
         {"r", "JRadioButton", "", "itemStateChanged()"},
         ""},
        {"an applet", "Applet", {"b", "CommandButton"}, "compiles and runs on JDK 8 to 25"},
        {"a JApplet", "JApplet", {"b", "CommandButton"}, "extends JApplet, which JDK 26"},
        {"a menu's events",
         "JFrame",
         {"b", "CommandButton"},
         "The events of the menu \"mFile\" are written, but opening a menu fires none",
         {{"mFile", "File", "Menu", "", "0", "actionPerformed()", ""},
          {"mOpen", "Open", "Item", "", "1", "actionPerformed()", ""}}},
    };
    for (const auto& c : cases) {
        DesignDocument doc = Design("Left", c.target, {c.part});
        if (!c.menu.empty()) doc.MenuElements = c.menu;
        const GeneratedJava generated = GenerateJava(doc, Catalogue());
        ASSERT_TRUE(generated.ok()) << c.what << ": " << generated.refusal;
        const std::string warnings = WarningsMessage(generated.warnings);
        if (c.warned.empty()) {
            EXPECT_EQ(warnings, "") << c.what;
        } else {
            EXPECT_NE(warnings.find(c.warned), std::string::npos) << c.what << ": " << warnings;
        }
    }
    // The Swing radio button's rows give it a listener.
    EXPECT_NE(IndexOf(GenerateLines(
                          Design("R", "JFrame", {{"r", "JRadioButton", "", "itemStateChanged()"}})),
                      "        r.addItemListener(new r_IL());"),
              -1);
}

TEST(GeneratedWindowTest, OnlyAppletsReferToJavaApplet) {
    for (std::string_view target : kTargetKinds) {
        const Lines lines =
            GenerateLines(Design("Pkg", std::string(target), {{"b", "CommandButton"}}));
        const bool applet = target == "Applet" || target == "JApplet";
        EXPECT_EQ(IndexOf(lines, "import java.applet.Applet;") >= 0, applet) << target;
    }
}

TEST(GeneratedWindowTest, ManyWarningsAreCountedInOneMessage) {
    std::vector<std::string> warnings;
    for (int i = 0; i < 25; ++i) warnings.push_back("w" + std::to_string(i));
    const std::string message = WarningsMessage(warnings);
    EXPECT_NE(message.find("w19\n... and 5 more."), std::string::npos);
    EXPECT_EQ(message.find("w20"), std::string::npos);
}

TEST(GeneratedWindowTest, PopupClassesJavacWouldRejectAreRefused) {
    const struct {
        const char* what;
        std::string target;
        std::vector<Part> parts;
        std::string refused;  // "" = generated
    } cases[] = {
        {"an imported class as a qualifier",
         "Frame",
         {{"b", "CommandButton", "", "", "1", "Frame,Color.Win,actionPerformed()"}},
         "\"Color.Win\""},
        {"java.lang as a qualifier",
         "Frame",
         {{"b", "CommandButton", "", "", "1", "Frame,String.Win,actionPerformed()"}},
         "\"String.Win\""},
        {"a Swing class where Swing is imported",
         "JFrame",
         {{"b", "CommandButton", "", "", "1", "Frame,Timer.Win,actionPerformed()"}},
         "\"Timer.Win\""},
        {"a Swing class where Swing is not imported",
         "Frame",
         {{"b", "CommandButton", "", "", "1", "Frame,Timer.Win,actionPerformed()"}},
         ""},
        {"a package",
         "Frame",
         {{"b", "CommandButton", "", "", "1", "Frame,popups.Win,actionPerformed()"}},
         ""},
        {"a class the file compiles",
         "Frame",
         {{"b", "CommandButton", "", "actionPerformed()", "1", "Frame,Pop$b_AL,actionPerformed()"}},
         "\"Pop$b_AL\""},
        {"an anonymous class of the file",
         "Frame",
         {{"b", "CommandButton", "", "", "1", "Frame,Pop$1,actionPerformed()"}},
         "\"Pop$1\""},
        {"a $ class of another",
         "Frame",
         {{"b", "CommandButton", "", "", "1", "Frame,Other$Win,actionPerformed()"}},
         ""},
        {"a frame and a dialog",
         "Frame",
         {{"b", "CommandButton", "", "", "1", "Frame,Win,actionPerformed()"},
          {"c", "CommandButton", "", "", "2", "Dialog,Win,actionPerformed()"}},
         "\"Win\""},
        {"a JFrame and a JDialog",
         "Panel",
         {{"b", "JButton", "", "", "1", "JDialog,Win,actionPerformed()"},
          {"c", "JButton", "", "", "2", "JFrame,Win,actionPerformed()"}},
         "\"Win\""},
        {"a Dialog binding that writes nothing",
         "Panel",
         {{"b", "CommandButton", "", "", "1", "Frame,Win,actionPerformed()"},
          {"c", "CommandButton", "", "", "2", "Dialog,Win,actionPerformed()"}},
         ""},
        {"a Frame and a JFrame",
         "Frame",
         {{"b", "CommandButton", "", "", "1", "Frame,Win,actionPerformed()"},
          {"c", "JButton", "", "", "2", "JFrame,Win,actionPerformed()"}},
         ""},
    };
    for (const auto& c : cases) {
        const std::string refusal = Refusal(Design("Pop", c.target, c.parts));
        if (c.refused.empty()) {
            EXPECT_EQ(refusal, "") << c.what;
        } else {
            EXPECT_NE(refusal.find(c.refused), std::string::npos) << c.what << ": " << refusal;
        }
    }
}

TEST(GeneratedWindowTest, OnlyValuesWrittenAsLiteralsAreLimited) {
    const std::string tooLong(65535, 'v');
    for (const char* kind : {"PictureBox", "HScrollBar", "VScrollBar", "Panel", "ScrollPane",
                             "JHScrollBar", "JVScrollBar", "JPanel", "JScrollPane"})
        EXPECT_EQ(Refusal(Design("Quiet", "Frame", {{"c", kind, tooLong}})), "") << kind;
    for (const char* kind : {"Label", "JButton", "JTextArea"})
        EXPECT_NE(Refusal(Design("Quiet", "Frame", {{"c", kind, tooLong}})).find("\"c\""),
                  std::string::npos)
            << kind;
}

}  // namespace
}  // namespace korvane::testing
