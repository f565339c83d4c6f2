// The driver and the writers on in-memory designs: the tab-order table, popup bindings, the
// skeleton, the component blocks and the target wrappers.
#include <gtest/gtest.h>

#include <filesystem>

#include "codegen/ComponentWriters.h"
#include "codegen/GenerationSupport.h"
#include "document/ProjectFile.h"
#include "support/TempFolder.h"

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;

bool Has(const Lines& lines, const std::string& text) {
    return IndexOf(lines, text) >= 0;
}

// ---------------------------------------------------------------- the table

std::vector<int> SlotOrder(const std::vector<std::string>& tabOrders) {
    std::vector<Part> parts;
    for (size_t i = 0; i < tabOrders.size(); ++i)
        parts.push_back({"c" + std::to_string(i + 1), "Label", "", "", tabOrders[i]});
    DesignDocument doc = Design("T", "Applet", parts);
    std::vector<int> slots;
    for (const CodegenRow& row : BuildCodegenTable(doc)) slots.push_back(row.slot);
    return slots;
}

TEST(CodegenTableTest, SortsByTheNumericValueOfTheTabOrderKeepingSlotOrderOnTies) {
    struct Case {
        std::vector<std::string> tabOrders;
        std::vector<int> slots;
    };
    const Case cases[] = {
        {{"2", "1", "1"}, {2, 3, 1}},
        {{"10", "9"}, {2, 1}},
        {{"3", "2.5", "2"}, {3, 2, 1}},
        {{"0", "-1"}, {2, 1}},
        {{"1e1", "9", "11"}, {2, 1, 3}},
        {{"4", "3abc"}, {2, 1}},
        {{"first", "", "0", "1"}, {1, 2, 3, 4}},
        {{" 2", "1"}, {2, 1}},
    };
    for (const Case& c : cases) EXPECT_EQ(SlotOrder(c.tabOrders), c.slots) << c.tabOrders[0];
    // Enough ties that an unstable sort would reorder them.
    std::vector<std::string> alternating;
    std::vector<int> evensThenOdds;
    for (int slot = 1; slot <= 40; ++slot) alternating.push_back(slot % 2 ? "2" : "1");
    for (int slot = 2; slot <= 40; slot += 2) evensThenOdds.push_back(slot);
    for (int slot = 1; slot <= 40; slot += 2) evensThenOdds.push_back(slot);
    EXPECT_EQ(SlotOrder(alternating), evensThenOdds);
}

TEST(CodegenTableTest, SkipsDeletedComponents) {
    DesignDocument doc = Design("T", "Applet", {{"a", "Label"}, {"b", "Label"}, {"c", "Label"}});
    doc.SetVisible(2, false);
    const CodegenTable table = BuildCodegenTable(doc);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].name, "a");
    EXPECT_EQ(table[1].name, "c");
}

TEST(CodegenTableTest, OnlyWrittenBindingsReachTheRowWithTheirTriggerAndTheDesignKeepsAll) {
    struct Case {
        std::string events, popup;
        std::string rowEvents, rowPopup;
    };
    const Case cases[] = {
        {"actionPerformed()", "Dialog,,actionPerformed()", "actionPerformed()", ""},
        {"", "(None),X,actionPerformed()", "", ""},
        {"", "Frame,X,(None)", "", ""},
        {"", "Frame,X", "", ""},
        {"", "Window,X,actionPerformed()", "", ""},
        {"actionPerformed()", "Frame,X,mouseClicked()", "actionPerformed()|mouseClicked()",
         "Frame,X,mouseClicked()"},
        {"", "Frame,X,mouseClicked()", "mouseClicked()", "Frame,X,mouseClicked()"},
        {"mouseClicked()|keyTyped()", "JFrame,X,mouseClicked()", "mouseClicked()|keyTyped()",
         "JFrame,X,mouseClicked()"},
    };
    for (const Case& c : cases) {
        DesignDocument doc =
            Design("T", "Frame", {{"b", "CommandButton", "", c.events, "1", c.popup}});
        const CodegenTable table = BuildCodegenTable(doc);
        EXPECT_EQ(table[0].events(), c.rowEvents) << c.popup;
        EXPECT_EQ(table[0].popup, c.rowPopup) << c.popup;
        EXPECT_EQ(doc.Slot(1).ComponentPopup, c.popup) << c.popup;
        EXPECT_EQ(doc.Slot(1).ComponentEvents, c.events) << c.popup;
    }
}

TEST(CodegenTableTest, AnUnwrittenBindingWritesNoWindowOpening) {
    for (const char* popup : {"Dialog,,actionPerformed()", "Window,W,actionPerformed()"}) {
        const Lines lines = GenerateLines(
            Design("T", "Frame", {{"b", "CommandButton", "", "actionPerformed()", "1", popup}}));
        EXPECT_FALSE(Has(lines, "    Frame frame;")) << popup;
        EXPECT_FALSE(Has(lines, "            window.pack();")) << popup;
    }
}

// ---------------------------------------------------------------- the command

TEST(GenerateCodeTest, RefusesADesignWhoseComponentsAreAllDeleted) {
    Session s;
    s.form.doc.FileName = "T";
    s.form.editor.InsertComponent("Label");
    s.form.editor.DeleteSelection();
    ASSERT_GT(s.form.doc.SlotCount(), 0);
    s.code.Lines = {"old"};
    s.Generate("Applet");
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].text, "You must add at least one AWT or Swing component.");
    EXPECT_EQ(s.messages.shown[0].title, "Korvane");
    EXPECT_EQ(s.messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(s.code.Lines, Lines{"old"});
    EXPECT_FALSE(s.code.Visible);
}

TEST(GenerateCodeTest, AnUnsavedDesignIsSavedFirstAndACancelStops) {
    Session s;
    s.form.editor.InsertComponent("Label");
    s.dialogs.paths.push_back("");  // the Save As dialog is cancelled
    s.Generate("Applet");
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].text, "You must save your file first.");
    EXPECT_EQ(s.dialogs.requests.size(), 1u);
    EXPECT_TRUE(s.dialogs.requests[0].save);
    EXPECT_FALSE(s.code.Visible);
}

TEST(GenerateCodeTest, AnUnsavedDesignSavedFromThePromptIsGenerated) {
    const testing::TempFolder scratch("saved-first");
    const std::string path = scratch.Path("KorvaneSavedFirst.dat");
    Session s;
    s.form.editor.InsertComponent("Label");
    s.dialogs.paths.push_back(path);
    s.Generate("Frame");
    std::filesystem::remove(path);
    ASSERT_EQ(s.messages.shown.size(), 2u);
    EXPECT_EQ(s.messages.shown[1].text, "Java File Generated Succesfully!");
    EXPECT_TRUE(s.code.Visible);
    EXPECT_TRUE(Has(s.code.Lines, "public class KorvaneSavedFirst extends Frame {"));
}

TEST(GenerateCodeTest, ARefusalShowsOneWarningAndKeepsTheCodeWindow) {
    Session s;
    s.form.doc.FileName = "T";
    s.form.editor.InsertComponent("Label");
    s.form.doc.SetName(1, "Font");
    s.code.Lines = {"old"};
    s.Generate("Applet");
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].title, "Korvane");
    EXPECT_EQ(s.messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_NE(s.messages.shown[0].text.find("\"Font\""), std::string::npos);
    EXPECT_EQ(s.code.Lines, Lines{"old"});
}

// What the design holds, beyond its file: every record's fields, the menu bar, the settings.
std::string Snapshot(const DocumentController& form) {
    std::string text = ProjectFileText(form.doc) + "|" + form.doc.Target;
    for (int slot = 1; slot <= form.doc.SlotCount(); ++slot) {
        const ComponentRecord& r = form.doc.Slot(slot);
        text += "|" + r.ComponentName + "," + r.ComponentType + "," + r.ComponentValue + "," +
                r.ComponentEvents + "," + r.ComponentTabOrder + "," + r.ComponentPopup + "," +
                std::to_string(r.ZOrder) + (form.doc.IsLive(slot) ? "" : ",deleted");
    }
    return text + (form.Modified() ? "|modified" : "");
}

TEST(GenerateCodeTest, GenerationLeavesTheDesignUnchangedForEveryTarget) {
    for (const char* target :
         {"Applet", "Frame", "Dialog", "Panel", "JApplet", "JFrame", "JDialog", "JPanel"}) {
        Session s;
        s.form.doc.FileName = "T";
        for (const Part& p : {Part("written", "CommandButton", "", "", "3", "Frame,W,keyTyped()"),
                              Part("unwritten", "JButton", "", "", "1", "Panel,P,keyTyped()"),
                              Part("incomplete", "Label", "", "", "2", "Dialog,,keyTyped()"),
                              Part("gone", "Label", "", "", "4", "Window,G,keyTyped()")})
            AddPart(s.form.doc, p);
        s.form.doc.SetVisible(4, false);
        s.form.doc.MenuElements = {{"file", "File", "Menu", "", "0", "actionPerformed()", ""},
                                   {"open", "Open", "Item", "", "1", "", ""},
                                   {}};
        const std::string before = Snapshot(s.form);
        s.Generate(target);
        s.form.doc.Target = "Applet";
        EXPECT_EQ(Snapshot(s.form), before) << target;
        // The bindings that are not written are said after the success, and only those.
        ASSERT_EQ(s.messages.shown.size(), 2u) << target;
        EXPECT_EQ(s.messages.shown[0].text, kGeneratedMessage) << target;
        const std::string& warnings = s.messages.shown[1].text;
        EXPECT_NE(warnings.find("The popup binding of \"unwritten\" opens a \"Panel\""),
                  std::string::npos)
            << target;
        EXPECT_NE(warnings.find("The popup binding of \"incomplete\" is incomplete: it needs its "
                                "class."),
                  std::string::npos)
            << target;
        EXPECT_EQ(warnings.find("\"gone\""), std::string::npos) << target;
        EXPECT_EQ(s.form.doc.JavaClassName, "T");
    }
}

// ---------------------------------------------------------------- skeleton

TEST(SkeletonTest, SwingImportAndContentPaneFollowTheirOwnTests) {
    struct Case {
        std::string target, type;
        bool swingImport;
        std::string fontLine, addLine;
    };
    const std::string plainFont = "        setFont(new Font(\"Helvetica\", Font.PLAIN, 12));";
    const std::string paneFont =
        "        getContentPane().setFont(new Font(\"Helvetica\", Font.PLAIN, 12));";
    const Case cases[] = {
        {"Applet", "Label", false, plainFont, "        add(c);"},
        {"Applet", "JLabel", true, plainFont, "        add(c);"},
        {"JPanel", "Label", true, plainFont, "        add(c);"},
        {"JFrame", "Label", true, paneFont, "        getContentPane().add(c);"},
        {"JApplet", "JLabel", true, paneFont, "        getContentPane().add(c);"},
        {"JDialog", "Label", true, paneFont, "        getContentPane().add(c);"},
        {"Dialog", "JButton", true, plainFont, "        add(c);"},
    };
    for (const Case& c : cases) {
        const Lines lines = GenerateLines(Design("T", c.target, {{"c", c.type}}));
        EXPECT_EQ(Has(lines, "import javax.swing.*;"), c.swingImport) << c.target << c.type;
        EXPECT_EQ(Count(lines, "import javax.swing.*;"), c.swingImport ? 1 : 0);
        EXPECT_TRUE(Has(lines, c.fontLine)) << c.target << c.type;
        EXPECT_TRUE(Has(lines, c.addLine)) << c.target << c.type;
        const bool pane = c.fontLine == paneFont;
        EXPECT_EQ(Has(lines, "        getContentPane().setLayout(customLayout);"), pane);
        EXPECT_EQ(Has(lines, "        setLayout(customLayout);"), !pane);
    }
}

TEST(SkeletonTest, ASwingPopupWindowBringsTheSwingImport) {
    const Lines lines = GenerateLines(Design(
        "T", "Frame", {{"b", "CommandButton", "", "", "1", "JFrame,Other,actionPerformed()"}}));
    EXPECT_TRUE(Has(lines, "import javax.swing.*;"));
}

TEST(SkeletonTest, FontNameAndStyle) {
    struct Case {
        std::string name, style, expression;
    };
    const Case cases[] = {
        {"Times Roman", "PLAIN", "\"TimesRoman\", Font.PLAIN"},
        {"Courier New", "BOLD", "\"Courier New\", Font.BOLD"},
        {"Helvetica", "BOLD ITALIC", "\"Helvetica\", Font.BOLD|Font.ITALIC"},
        {"Helvetica", "  ITALIC   BOLD ", "\"Helvetica\", Font.ITALIC|Font.BOLD"},
        {"My \"Font\"\\", "ITALIC", "\"My \\\"Font\\\"\\\\\", Font.ITALIC"},
    };
    for (const Case& c : cases) {
        DesignDocument doc = Design("T", "Applet", {{"c", "Label"}});
        doc.FontName = c.name;
        doc.FontStyle = c.style;
        doc.FontSize = 14;
        EXPECT_TRUE(Has(GenerateLines(doc), "        setFont(new Font(" + c.expression + ", 14));"))
            << c.name << "/" << c.style;
    }
}

TEST(SkeletonTest, PreferredSizeIsTheDesignedWindow) {
    DesignDocument doc = Design("T", "Applet", {{"c", "Label"}});
    doc.OuterWidth = 4995;  // surface 4875 x 3675
    doc.OuterHeight = 4035;
    const Lines lines = GenerateLines(doc);
    EXPECT_TRUE(Has(lines, "        dim.width = 320 + insets.left + insets.right;"));
    EXPECT_TRUE(Has(lines, "        dim.height = 240 + insets.top + insets.bottom;"));
}

// ---------------------------------------------------------------- components

TEST(ComponentBlocksTest, AwtRadioGroupComesOnceBeforeTheFirstRadioButton) {
    const Lines lines = GenerateLines(Design("T", "Applet",
                                             {{"l", "Label", "x", "", "1"},
                                              {"r1", "OptionButton", "A", "", "2"},
                                              {"r2", "OptionButton", "B", "", "3"}}));
    EXPECT_EQ(Count(lines, "    CheckboxGroup cbg;"), 1);
    EXPECT_EQ(IndexOf(lines, "    CheckboxGroup cbg;") + 1, IndexOf(lines, "    Checkbox r1;"));
    EXPECT_EQ(IndexOf(lines, "    Label l;") + 1, IndexOf(lines, "    CheckboxGroup cbg;"));
    EXPECT_EQ(Count(lines, "        cbg = new CheckboxGroup();"), 1);
    EXPECT_EQ(IndexOf(lines, "        cbg = new CheckboxGroup();") + 1,
              IndexOf(lines, "        r1 = new Checkbox(\"A\", cbg, false);"));
    EXPECT_EQ(IndexOf(lines, "        add(l);") + 2,
              IndexOf(lines, "        cbg = new CheckboxGroup();"));

    const Lines none = GenerateLines(Design("T", "Applet", {{"c", "CheckBox", "x"}}));
    EXPECT_FALSE(Has(none, "    CheckboxGroup cbg;"));
    EXPECT_FALSE(Has(none, "        cbg = new CheckboxGroup();"));
}

TEST(ComponentBlocksTest, ListItemsAreThePartsBetweenBars) {
    const struct {
        std::string_view value;
        std::vector<std::string_view> items;
    } cases[] = {{"", {}},
                 {"a", {"a"}},
                 {"|", {"", ""}},
                 {"x|", {"x", ""}},
                 {"a||b", {"a", "", "b"}},
                 {"|y", {"", "y"}}};
    for (const auto& c : cases) {
        std::vector<std::string_view> items;
        for (std::string_view item : ListItems(c.value)) items.push_back(item);
        EXPECT_EQ(items, c.items) << c.value;
        EXPECT_EQ(ListItems(c.value).size(), c.items.size()) << c.value;
    }
}

TEST(ComponentBlocksTest, ListItems) {
    struct Case {
        std::string type, value;
        Lines block;
    };
    const Case cases[] = {
        {"ComboBox",
         "a||b",
         {"        c = new Choice();", "        c.addItem(\"a\");", "        c.addItem(\"\");",
          "        c.addItem(\"b\");", "        add(c);", ""}},
        {"ListBox", "", {"        c = new List();", "        add(c);", ""}},
        {"ListBox",
         "|",
         {"        c = new List();", "        c.add(\"\");", "        c.add(\"\");",
          "        add(c);", ""}},
        {"JComboBox",
         "x|y",
         {"        c = new JComboBox();", "        c.addItem(\"x\");", "        c.addItem(\"y\");",
          "        c.setFont(getFont());", "        add(c);", ""}},
        {"JList",
         "",
         {"        DefaultListModel listModel_c = new DefaultListModel();",
          "        c = new JList(listModel_c);", "        sp_c = new JScrollPane(c);",
          "        c.setFont(getFont());", "        add(sp_c);", ""}},
        {"JTextArea",
         "t",
         {"        c = new JTextArea(\"t\");", "        sp_c = new JScrollPane(c);",
          "        c.setFont(getFont());", "        add(sp_c);", ""}},
    };
    for (const Case& c : cases) {
        const Lines lines = GenerateLines(Design("T", "Applet", {{"c", c.type, c.value}}));
        const int first = IndexOf(lines, c.block.front());
        ASSERT_GE(first, 0) << c.type;
        EXPECT_EQ(
            Lines(lines.begin() + first, lines.begin() + first + static_cast<long>(c.block.size())),
            c.block)
            << c.type << " " << c.value;
    }
}

TEST(ComponentBlocksTest, TwoJListsHaveTheirOwnModels) {
    const Lines lines = GenerateLines(
        Design("T", "JFrame", {{"a", "JList", "1", "", "1"}, {"b", "JList", "2", "", "2"}}));
    EXPECT_EQ(IndexOf(lines, "        DefaultListModel listModel_a = new DefaultListModel();") + 1,
              IndexOf(lines, "        listModel_a.addElement(\"1\");"));
    EXPECT_EQ(IndexOf(lines, "        DefaultListModel listModel_b = new DefaultListModel();") + 1,
              IndexOf(lines, "        listModel_b.addElement(\"2\");"));
    EXPECT_TRUE(Has(lines, "        getContentPane().add(sp_b);"));
}

TEST(ComponentBlocksTest, SwingRadioGroupIsRenamedBesideAnAwtGroup) {
    const Lines mixed = GenerateLines(Design("T", "Frame",
                                             {{"r", "OptionButton", "A", "", "1"},
                                              {"j1", "JRadioButton", "B", "", "2"},
                                              {"j2", "JRadioButton", "C", "", "3"}}));
    for (const char* line :
         {"    CheckboxGroup cbg;", "    ButtonGroup cbg_swing;",
          "        cbg = new CheckboxGroup();", "        cbg_swing = new ButtonGroup();",
          "        cbg_swing.add(j1);", "        cbg_swing.add(j2);"})
        EXPECT_EQ(Count(mixed, line), 1) << line;
    EXPECT_FALSE(Has(mixed, "    ButtonGroup cbg;"));

    const Lines swing = GenerateLines(Design("T", "Frame", {{"j1", "JRadioButton", "B"}}));
    EXPECT_TRUE(Has(swing, "    ButtonGroup cbg;"));
    EXPECT_TRUE(Has(swing, "        cbg.add(j1);"));
}

TEST(ComponentBlocksTest, TextBecomesJavaStringLiterals) {
    const Lines lines = GenerateLines(Design("T", "Applet",
                                             {{"l", "Label", "say \"hi\" \\ now", "", "1"},
                                              {"c", "ComboBox", "caf\xc3\xa9|tab\there", "", "2"},
                                              {"t", "TextArea", "two\nlines\r", "", "3"}}));
    EXPECT_TRUE(Has(lines, "        l = new Label(\"say \\\"hi\\\" \\\\ now\");"));
    EXPECT_TRUE(Has(lines, "        c.addItem(\"caf\\u00e9\");"));
    EXPECT_TRUE(Has(lines, "        c.addItem(\"tab\\u0009here\");"));
    EXPECT_TRUE(Has(lines, "        t = new TextArea(\"two\\nlines\\r\");"));
}

// ---------------------------------------------------------------- target wrappers

TEST(TargetWrapperTest, FrameFieldOnlyForDialogBindingsOfFrames) {
    struct Case {
        std::string target, popup;
        std::string field;  // "" = none
    };
    const Case cases[] = {
        {"Frame", "", ""},
        {"Frame", "Dialog,About,actionPerformed()", "    Frame frame;"},
        {"JFrame", "Dialog,About,actionPerformed()", "    JFrame frame;"},
        {"JFrame", "JDialog,About,actionPerformed()", ""},
        {"JFrame", "Frame,About,actionPerformed()", ""},
        {"Applet", "Dialog,About,actionPerformed()", ""},
        {"Dialog", "Dialog,About,actionPerformed()", ""},
    };
    for (const Case& c : cases) {
        const Lines lines =
            GenerateLines(Design("T", c.target, {{"b", "CommandButton", "", "", "1", c.popup}}));
        const bool field = !c.field.empty();
        EXPECT_EQ(Has(lines, "    Frame frame;") || Has(lines, "    JFrame frame;"), field)
            << c.target << c.popup;
        EXPECT_EQ(Has(lines, "        frame = this;"), field) << c.target << c.popup;
        if (field) {
            const int at = IndexOf(lines, c.field);
            EXPECT_EQ(Lines(lines.begin() + at - 2, lines.begin() + at + 5),
                      (Lines{"    Button b;", "", c.field, "", "    public T() {",
                             "        frame = this;", ""}));
        } else if (IsFrameTarget(c.target)) {
            EXPECT_EQ(IndexOf(lines, "    Button b;") + 2, IndexOf(lines, "    public T() {"));
        }
    }
}

TEST(TargetWrapperTest, DialogConstructorAndParentType) {
    struct Case {
        std::string target, dialogParent, parentType, ownerType;
    };
    const Case cases[] = {
        {"Dialog", "", "Frame", "Frame"},
        {"JDialog", "", "JFrame", "JFrame"},
        {"Dialog", "MainWindow", "MainWindow", "Frame"},
        {"JDialog", "app.MainWindow", "app.MainWindow", "JFrame"},
    };
    for (const Case& c : cases) {
        DesignDocument doc = Design("T", c.target, {{"b", "CommandButton", "x"}});
        doc.DialogParent = c.dialogParent;
        const Lines lines = GenerateLines(doc);
        const int at = IndexOf(lines, "    " + c.parentType + " parent;");
        ASSERT_GE(at, 0) << c.target << c.dialogParent;
        EXPECT_EQ(Lines(lines.begin() + at - 1, lines.begin() + at + 6),
                  (Lines{"", "    " + c.parentType + " parent;", "",
                         "    public T(" + c.ownerType + " dialog_parent, String title) {",
                         "        super(dialog_parent, title, true);",
                         "        parent = (" + c.parentType + ")dialog_parent;", ""}));
    }
}

TEST(TargetWrapperTest, ClosingAndMainPerTarget) {
    struct Case {
        std::string target;
        std::string closeAction;  // "" = no window listener
        std::string mainLine;     // "" = no main
    };
    const Case cases[] = {
        {"Applet", "", "        Frame window = new Frame(\"T\");"},
        {"JApplet", "", "        JFrame window = new JFrame(\"T\");"},
        {"Frame", "                System.exit(0);", "        T window = new T();"},
        {"JFrame", "                System.exit(0);", "        T window = new T();"},
        {"Dialog", "                dispose();", ""},
        {"JDialog", "                dispose();", ""},
        {"Panel", "", ""},
        {"JPanel", "", ""},
    };
    for (const Case& c : cases) {
        const Lines lines = GenerateLines(Design("T", c.target, {{"b", "CommandButton", "x"}}));
        const int listener = IndexOf(lines, "        addWindowListener(new WindowAdapter() {");
        EXPECT_EQ(listener >= 0, !c.closeAction.empty()) << c.target;
        if (listener >= 0) {
            EXPECT_EQ(lines[listener + 2], c.closeAction) << c.target;
        }
        const int main = IndexOf(lines, "    public static void main(String args[]) {");
        EXPECT_EQ(main >= 0, !c.mainLine.empty()) << c.target;
        if (main >= 0) {
            EXPECT_EQ(lines[main + 1 + (IsAppletTarget(c.target) ? 1 : 0)], c.mainLine);
        }
    }
    const Lines japplet = GenerateLines(Design("T", "JApplet", {{"b", "JButton", "x"}}));
    EXPECT_TRUE(Has(japplet, "        window.getContentPane().add(\"Center\", applet);"));
    const Lines frame = GenerateLines(Design("T", "Frame", {{"b", "JButton", "x"}}));
    const int title = IndexOf(frame, "        window.setTitle(\"T\");");
    EXPECT_EQ(Lines(frame.begin() + title, frame.begin() + title + 7),
              (Lines{"        window.setTitle(\"T\");", "        window.pack();",
                     "        window.show();", "    }", "}", "",
                     "class TLayout implements LayoutManager {"}));
}

}  // namespace
}  // namespace korvane::testing
