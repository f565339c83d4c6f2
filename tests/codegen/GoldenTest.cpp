// The worked examples, opened from project files and generated through the document window's
// commands, compared byte for byte.
#include <gtest/gtest.h>

#include "codegen/GenerationSupport.h"

namespace korvane::testing {
namespace {

std::vector<std::string> Block(const std::string& dataFile) {
    return SplitCrLf(ReadBytes(CodegenData(dataFile)));
}

// The lines from `first` on, as many as `expected` holds.
std::vector<std::string> Slice(const std::vector<std::string>& lines, int first, size_t count) {
    if (first < 0 || static_cast<size_t>(first) + count > lines.size()) return {};
    return {lines.begin() + first, lines.begin() + first + static_cast<long>(count)};
}

TEST(GoldenTest, DemoAppletIsTheWholeFile) {
    Session s;
    s.Open(CodegenData("Demo.dat"));
    const std::string text = s.Generate("Applet");
    EXPECT_EQ(text, ReadBytes(CodegenData("Demo.applet.java")));
    ASSERT_EQ(s.messages.shown.size(), 2u);
    EXPECT_EQ(s.messages.shown[0].text, "Java File Generated Succesfully!");
    EXPECT_EQ(s.messages.shown[0].title, "Korvane");
    EXPECT_EQ(s.messages.shown[0].icon, MessageIcon::Information);
    // After the success message: an applet needs a JDK that still has java.applet.
    EXPECT_EQ(s.messages.shown[1].icon, MessageIcon::Warning);
    EXPECT_NE(s.messages.shown[1].text.find("JDK 8 to 25"), std::string::npos);
    EXPECT_TRUE(s.code.Visible);
    EXPECT_EQ(s.form.doc.JavaClassName, "Demo");
    EXPECT_FALSE(s.form.Modified());
    // The file ends with the layout class's brace and one line break.
    EXPECT_TRUE(text.ends_with("    }\r\n}\r\n"));
    // A second generation replaces the first with the same text.
    EXPECT_EQ(s.Generate("Applet"), text);
}

TEST(GoldenTest, LoginFrameUpToTheLayoutClass) {
    Session s;
    s.Open(CodegenData("Login.dat"));
    const std::vector<std::string> lines = SplitCrLf(s.Generate("Frame"));
    const std::vector<std::string> expected = Block("Login.frame.prefix.txt");
    EXPECT_EQ(Slice(lines, 0, expected.size()), expected);
    EXPECT_EQ(lines.at(expected.size()), "class LoginLayout implements LayoutManager {");
}

TEST(GoldenTest, LoginPanelHasNoFrameFieldWindowListenerOrMain) {
    Session s;
    s.Open(CodegenData("Login.dat"));
    const std::vector<std::string> lines = SplitCrLf(s.Generate("Panel"));
    const int ctor = IndexOf(lines, "    public Login() {");
    ASSERT_GT(ctor, 0);
    EXPECT_EQ(lines[ctor - 1], "");
    EXPECT_EQ(lines[ctor - 2], "    Button button_1;");
    EXPECT_EQ(lines[ctor + 1], "        LoginLayout customLayout = new LoginLayout();");
    const int size = IndexOf(lines, "        setSize(getPreferredSize());");
    EXPECT_EQ(Slice(lines, size, 4),
              (std::vector<std::string>{"        setSize(getPreferredSize());", "", "    }", ""}));
    const int layout = IndexOf(lines, "class LoginLayout implements LayoutManager {");
    EXPECT_EQ(Slice(lines, layout - 5, 5),
              (std::vector<std::string>{"        }", "    }", "", "}", ""}));
    EXPECT_EQ(IndexOf(lines, "    Frame frame;"), -1);
    EXPECT_EQ(IndexOf(lines, "            Dialog window = new AboutBox(frame, \"Title\");"), -1);
    EXPECT_EQ(IndexOf(lines, "    public static void main(String args[]) {"), -1);
    EXPECT_EQ(IndexOf(lines, "        addWindowListener(new WindowAdapter() {"), -1);
}

TEST(GoldenTest, AwtGroupsAndListsInAFrame) {
    Session s;
    s.Open(CodegenData("Choices.dat"));
    const std::vector<std::string> lines = SplitCrLf(s.Generate("Frame"));
    const std::vector<std::string> declarations = Block("Choices.frame.declarations.txt");
    const std::vector<std::string> construction = Block("Choices.frame.construction.txt");
    const int header = IndexOf(lines, "public class Choices extends Frame {");
    EXPECT_EQ(Slice(lines, header + 1, declarations.size()), declarations);
    const int layout = IndexOf(lines, "        setLayout(customLayout);");
    EXPECT_EQ(Slice(lines, layout + 2, construction.size()), construction);
}

TEST(GoldenTest, SwingScrollPanesListModelsAndGroupInAJApplet) {
    Session s;
    s.Open(CodegenData("SwingLists.dat"));
    const std::vector<std::string> lines = SplitCrLf(s.Generate("JApplet"));
    const std::vector<std::string> declarations = Block("SwingLists.japplet.declarations.txt");
    const std::vector<std::string> construction = Block("SwingLists.japplet.construction.txt");
    const int header = IndexOf(lines, "public class SwingLists extends JApplet {");
    EXPECT_EQ(Slice(lines, header + 1, declarations.size()), declarations);
    const int layout = IndexOf(lines, "        getContentPane().setLayout(customLayout);");
    EXPECT_EQ(Slice(lines, layout + 2, construction.size()), construction);
    // Rows 0 and 1 are the scroll panes, with the bounds of the text area and of the list.
    const int row0 = IndexOf(lines, "        c = parent.getComponent(0);");
    EXPECT_EQ(lines.at(row0 + 1),
              "        if (c.isVisible()) {c.setBounds(insets.left+16,insets.top+16,144,72);}");
    EXPECT_EQ(lines.at(row0 + 3),
              "        if (c.isVisible()) {c.setBounds(insets.left+176,insets.top+16,72,72);}");
}

TEST(GoldenTest, PopupBindingOpensAFrameFromItsTrigger) {
    Session s;
    s.Open(CodegenData("Opener.dat"));
    const std::vector<std::string> lines = SplitCrLf(s.Generate("Frame"));
    const std::vector<std::string> listener = Block("Opener.frame.listener.txt");
    const int cls = IndexOf(lines, listener.front());
    EXPECT_EQ(Slice(lines, cls, listener.size()), listener);
    EXPECT_EQ(s.form.doc.Slot(1).ComponentEvents, "");  // only the row got the trigger
}

TEST(GoldenTest, TabOrderSortAndHalfPixelsRoundToEven) {
    Session s;
    s.Open(CodegenData("Rounding.dat"));
    const std::vector<std::string> lines = SplitCrLf(s.Generate("Applet"));
    const int header = IndexOf(lines, "public class Rounding extends Applet {");
    EXPECT_EQ(Slice(lines, header + 1, 3),
              (std::vector<std::string>{"    Label label_a;", "    Label label_c;",
                                        "    Label label_b;"}));
    // The three labels overlap, and the later ones are in front on the surface: they are
    // raised in surface order, so the layout places the children in that order.
    const int raised = IndexOf(lines, "        setComponentZOrder(label_b, 0);");
    EXPECT_EQ(
        Slice(lines, raised - 2, 5),
        (std::vector<std::string>{
            "        setFocusTraversalPolicyProvider(true);",
            "        setFocusTraversalPolicy(new RoundingFocus(getComponents()));",
            "        setComponentZOrder(label_b, 0);", "        setComponentZOrder(label_a, 0);",
            "        setComponentZOrder(label_c, 0);"}));
    const int c = IndexOf(lines, "        Component c;");
    EXPECT_EQ(Slice(lines, c + 1, 6),
              (std::vector<std::string>{
                  "        c = parent.getComponent(0);",
                  "        if (c.isVisible()) {c.setBounds(insets.left+0,insets.top+0,72,24);}",
                  "        c = parent.getComponent(1);",
                  "        if (c.isVisible()) {c.setBounds(insets.left+22,insets.top+8,72,24);}",
                  "        c = parent.getComponent(2);",
                  "        if (c.isVisible()) {c.setBounds(insets.left+8,insets.top+22,72,24);}"}));
    EXPECT_NE(IndexOf(lines, "        dim.width = 321 + insets.left + insets.right;"), -1);
    EXPECT_NE(IndexOf(lines, "        dim.height = 241 + insets.top + insets.bottom;"), -1);
}

}  // namespace
}  // namespace korvane::testing
