#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "codegen/JavaFile.h"
#include "codegen/Listeners.h"

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

const EventCatalogue& Catalogue() {
    static const EventCatalogue catalogue;
    return catalogue;
}

// The texts rows see, kept for the whole test program as a design would keep them.
std::string_view Kept(std::string text) {
    static std::deque<std::string> kept;
    return kept.emplace_back(std::move(text));
}

CodegenRow Row(std::string name, std::string type, std::string events, std::string popup = "") {
    CodegenRow row;
    row.name = Kept(std::move(name));
    row.type = Kept(std::move(type));
    row.designEvents = Kept(std::move(events));
    // As the table holds it: only a binding generation writes.
    if (IsWritablePopup(popup)) row.SetPopup(Kept(std::move(popup)));
    return row;
}

// The plan refers to the names in its table, so the table lives as long as the plan.
struct Output {
    CodegenTable table;
    ListenerPlan plan;
    Lines registrations;
    Lines classes;
};

Output Generate(CodegenTable table, std::string_view target,
                const std::vector<MenuElement>& menu = std::vector<MenuElement>(1)) {
    Output out;
    out.table = std::move(table);
    out.plan = BuildListenerPlan(out.table, Catalogue(), target, menu, BuildMenuTree(menu));
    LineSink registrations;
    JavaFile file(registrations, out.table);
    WriteListenerRegistrations(out.plan, file);
    out.registrations = registrations.TakeLines();
    LineSink classes;
    WriteListenerClasses(out.plan, target, classes);
    out.classes = classes.TakeLines();
    return out;
}

MenuElement Element(std::string name, std::string events) {
    MenuElement element;
    element.Name = std::move(name);
    element.Events = std::move(events);
    return element;
}

Lines ActionClass(const std::string& name, const Lines& extra = {}) {
    Lines lines{"    class " + name + "_AL implements ActionListener {",
                "        public void actionPerformed(ActionEvent e) { ",
                "            System.out.println(\"Action Performed by " + name + "\");"};
    lines.insert(lines.end(), extra.begin(), extra.end());
    lines.insert(lines.end(), {"        }", "    }", ""});
    return lines;
}

TEST(Listeners, ButtonAndChoiceExample) {
    const Output out =
        Generate({Row("button_1", "CommandButton",
                      "mouseClicked()|actionPerformed()|keyTyped()|mouseEntered()|mouseDragged()"),
                  Row("choice_1", "ComboBox", "itemStateChanged()")},
                 "Applet");
    EXPECT_EQ(out.registrations,
              (Lines{"        button_1.addMouseListener(new button_1_ML());",
                     "        button_1.addActionListener(new button_1_AL());",
                     "        button_1.addKeyListener(new button_1_KL());",
                     "        button_1.addMouseMotionListener(new button_1_MML());", "",
                     "        choice_1.addItemListener(new choice_1_IL());", ""}));
    EXPECT_EQ(out.classes,
              (Lines{"    class button_1_ML extends MouseAdapter {",
                     "        public void mouseClicked(MouseEvent e) { ",
                     "            System.out.println(\"You have clicked button_1\");",
                     "        }",
                     "        public void mouseEntered(MouseEvent e) { ",
                     "            //",
                     "        }",
                     "    }",
                     "",
                     "    class button_1_AL implements ActionListener {",
                     "        public void actionPerformed(ActionEvent e) { ",
                     "            System.out.println(\"Action Performed by button_1\");",
                     "        }",
                     "    }",
                     "",
                     "    class button_1_KL extends KeyAdapter {",
                     "        public void keyTyped(KeyEvent e) { ",
                     "            //",
                     "        }",
                     "    }",
                     "",
                     "    class button_1_MML extends MouseMotionAdapter {",
                     "        public void mouseDragged(MouseEvent e) { ",
                     "            //",
                     "        }",
                     "    }",
                     "",
                     "    class choice_1_IL implements ItemListener {",
                     "        public void itemStateChanged(ItemEvent e) { ",
                     "            System.out.println(\"You have clicked the item \" + "
                     "e.getItem().toString() + \" in choice_1\");",
                     "        }",
                     "    }",
                     ""}));
    EXPECT_EQ(ListenerClassNames(out.plan),
              (Lines{"button_1_ML", "button_1_AL", "button_1_KL", "button_1_MML", "choice_1_IL"}));
}

TEST(Listeners, StubBodiesAndMotionKind) {
    struct Case {
        const char* type;
        const char* method;
        Lines lines;
    };
    const Case cases[] = {
        {"TextBox",
         "keyPressed()",
         {"    class c_KL extends KeyAdapter {", "        public void keyPressed(KeyEvent e) { ",
          "            System.out.println(\"You have pressed a key in c\");"}},
        {"TextBox",
         "keyReleased()",
         {"    class c_KL extends KeyAdapter {", "        public void keyReleased(KeyEvent e) { ",
          "            System.out.println(\"You have released a key in c\");"}},
        {"TextArea",
         "textValueChanged()",
         {"    class c_TL implements TextListener {",
          "        public void textValueChanged(TextEvent e) { ",
          "            System.out.println(\"You have changed the text in c\");"}},
        {"ListBox",
         "mouseMoved()",
         {"    class c_MML extends MouseMotionAdapter {",
          "        public void mouseMoved(MouseEvent e) { ", "            //"}},
        {"HScrollBar",
         "adjustmentValueChanged()",
         {"    class c_AdjL implements AdjustmentListener {",
          "        public void adjustmentValueChanged(AdjustmentEvent e) { ", "            //"}},
        {"Panel",
         "componentAdded()",
         {"    class c_ContL extends ContainerAdapter {",
          "        public void componentAdded(ContainerEvent e) { ", "            //"}},
        {"JButton",
         "actionPerformed()",
         {"    class c_AL implements ActionListener {",
          "        public void actionPerformed(ActionEvent e) { ",
          "            System.out.println(\"Action Performed by c\");"}},
        {"JCheckBox",
         "focusLost()",
         {"    class c_FL extends FocusAdapter {", "        public void focusLost(FocusEvent e) { ",
          "            //"}},
    };
    for (const Case& c : cases) {
        Lines expected = c.lines;
        expected.insert(expected.end(), {"        }", "    }", ""});
        EXPECT_EQ(Generate({Row("c", c.type, c.method)}, "Applet").classes, expected) << c.method;
    }
}

TEST(Listeners, GroupingByListenerType) {
    const Output out =
        Generate({Row("a", "CommandButton", "mouseClicked()|actionPerformed()|mouseEntered()"),
                  Row("b", "CommandButton", ""),
                  Row("c", "CommandButton", "mouseMoved()|mouseDragged()|mouseExited()")},
                 "Frame");
    EXPECT_EQ(out.registrations, (Lines{"        a.addMouseListener(new a_ML());",
                                        "        a.addActionListener(new a_AL());", "",
                                        "        c.addMouseMotionListener(new c_MML());",
                                        "        c.addMouseListener(new c_ML());", ""}));
    std::vector<std::string_view> methods;
    for (const EventMethodRow* method : out.plan.methods) methods.push_back(method->method);
    EXPECT_EQ(methods, (std::vector<std::string_view>{"mouseClicked()", "mouseEntered()",
                                                      "actionPerformed()", "mouseMoved()",
                                                      "mouseDragged()", "mouseExited()"}));
}

TEST(Listeners, NothingChosenWritesNothing) {
    const Output out = Generate({Row("a", "CommandButton", ""), Row("b", "Label", "")}, "Frame");
    EXPECT_TRUE(out.plan.classes.empty());
    EXPECT_TRUE(out.registrations.empty());
    EXPECT_TRUE(out.classes.empty());
}

// Only methods that the component's class offers, each once at its first place.
TEST(Listeners, UnofferedUnknownAndRepeatedMethodsAreDropped) {
    struct Case {
        const char* type;
        const char* events;
        Lines registrations;
    };
    const Case cases[] = {
        {"Label", "actionPerformed()", {}},
        {"CommandButton", "windowClosing()|itemStateChanged()", {}},
        {"CommandButton", "clicked()|actionPerformed|| actionPerformed()", {}},
        {"JList", "actionPerformed()|itemStateChanged()", {}},
        {"JTextField", "textValueChanged()", {}},
        {"JRadioButton", "itemStateChanged()", {"        x.addItemListener(new x_IL());", ""}},
        {"NoSuchKind", "actionPerformed()", {}},
        {"JList",
         "itemStateChanged()|mouseClicked()",
         {"        x.addMouseListener(new x_ML());", ""}},
        {"CommandButton",
         "actionPerformed()|bogus()|actionPerformed()|keyTyped()",
         {"        x.addActionListener(new x_AL());", "        x.addKeyListener(new x_KL());", ""}},
    };
    for (const Case& c : cases) {
        const Output out = Generate({Row("x", c.type, c.events)}, "Applet");
        EXPECT_EQ(out.registrations, c.registrations) << c.type << " " << c.events;
        // Whatever is left out is named for a warning.
        EXPECT_EQ(out.plan.classes.empty(), out.plan.dropped.size() > 0 && c.registrations.empty())
            << c.type << " " << c.events;
    }
    // A repeat of the catalogue's first method is planned once too.
    const Output twice =
        Generate({Row("x", "CommandButton", "actionPerformed()|actionPerformed()")}, "Applet");
    ASSERT_EQ(twice.plan.classes.size(), 1u);
    EXPECT_EQ(twice.plan.MethodsOf(0).size(), 1u);
    // Empty parts are no method; a repeated method is not a dropped one.
    const Output some = Generate(
        {Row("x", "CommandButton", "clicked()|actionPerformed|| actionPerformed()|keyTyped()")},
        "Applet");
    ASSERT_EQ(some.plan.dropped.size(), 3u);
    EXPECT_EQ(some.plan.dropped[0].method, "clicked()");
    EXPECT_EQ(some.plan.dropped[1].method, "actionPerformed");
    EXPECT_EQ(some.plan.dropped[2].method, " actionPerformed()");
    EXPECT_EQ(some.plan.dropped[2].classKey, "Button");

    const Output repeated =
        Generate({Row("x", "CommandButton", "mouseClicked()|mouseClicked()")}, "Applet");
    EXPECT_EQ(repeated.plan.methods.size(), 1u);
    EXPECT_EQ(repeated.classes.size(), 6u);
}

// Rows of one kind that repeat an events string are planned from one reading of it: the plan of
// a table is the plans of its rows, each alone, one after the other, whatever repeats where.
TEST(Listeners, RepeatedEventsPlanAsEachRowAlone) {
    const std::string mouse = "mouseClicked()|keyTyped()|bogus()|mouseEntered()";
    const std::string other = "keyTyped()|actionPerformed()";
    const CodegenTable table = {
        Row("b1", "CommandButton", mouse), Row("b2", "CommandButton", mouse),
        Row("b3", "CommandButton", other), Row("b4", "CommandButton", mouse),
        Row("l1", "Label", mouse),         Row("b5", "CommandButton", ""),
        Row("b6", "CommandButton", mouse), Row("j1", "JButton", other),
        Row("b7", "CommandButton", other),
    };
    const Output whole = Generate(table, "Applet");
    Lines registrations, classes;
    std::vector<std::string> dropped;
    for (const CodegenRow& row : table) {
        const Output alone = Generate({row}, "Applet");
        registrations.insert(registrations.end(), alone.registrations.begin(),
                             alone.registrations.end());
        classes.insert(classes.end(), alone.classes.begin(), alone.classes.end());
        for (const ListenerPlan::Dropped& d : alone.plan.dropped)
            dropped.push_back(d.name + " " + d.method + " " + d.classKey);
    }
    EXPECT_EQ(whole.registrations, registrations);
    EXPECT_EQ(whole.classes, classes);
    std::vector<std::string> wholeDropped;
    for (const ListenerPlan::Dropped& d : whole.plan.dropped)
        wholeDropped.push_back(d.name + " " + d.method + " " + d.classKey);
    EXPECT_EQ(wholeDropped, dropped);
    EXPECT_EQ(wholeDropped.size(), 5u);  // bogus() of b1, b2, b4, l1 and b6
}

TEST(Listeners, MenuElementsOnlyForFrames) {
    const std::vector<MenuElement> menu{Element("optOpen", "actionPerformed()"),
                                        Element("optNone", ""),
                                        Element("optSave", "actionPerformed()|bogus()")};
    const CodegenTable table{Row("button_1", "CommandButton", "actionPerformed()")};
    for (const char* target : {"Frame", "JFrame"}) {
        const Output out = Generate(table, target, menu);
        EXPECT_EQ(out.registrations,
                  (Lines{"        button_1.addActionListener(new button_1_AL());", "",
                         "        optOpen.addActionListener(new optOpen_AL());", "",
                         "        optSave.addActionListener(new optSave_AL());", ""}));
        Lines classes = ActionClass("button_1");
        for (const char* name : {"optOpen", "optSave"}) {
            const Lines more = ActionClass(name);
            classes.insert(classes.end(), more.begin(), more.end());
        }
        EXPECT_EQ(out.classes, classes) << target;
    }
    for (const char* target : {"Applet", "Dialog", "Panel", "JApplet", "JDialog", "JPanel"})
        EXPECT_EQ(Generate(table, target, menu).plan.methods.size(), 1u) << target;

    // A menu element offers what its class offers: a check item its item events too.
    std::vector<MenuElement> checks{Element("m", ""),
                                    Element("c", "windowClosing()|itemStateChanged()")};
    checks[0].Type = "Menu";
    checks[0].Level = "0";
    checks[1].Type = "Check";
    checks[1].Level = "1";
    const Output checked = Generate({}, "JFrame", checks);
    EXPECT_EQ(checked.registrations, (Lines{"        c.addItemListener(new c_IL());", ""}));
    ASSERT_EQ(checked.plan.dropped.size(), 1u);
    EXPECT_EQ(checked.plan.dropped[0].method, "windowClosing()");
    EXPECT_EQ(checked.plan.dropped[0].classKey, "JCheckBoxMenuItem");
    EXPECT_TRUE(Generate({}, "Frame", {Element("", "actionPerformed()")}).plan.classes.empty());
}

TEST(Listeners, PopupWindowLines) {
    struct Case {
        const char* target;
        const char* popup;
        Lines window;
    };
    const Lines dialog{"            Dialog window = new AboutBox(frame, \"Title\");",
                       "            window.pack();", "            window.show();"};
    const Case cases[] = {
        {"Frame", "Dialog,AboutBox,actionPerformed()", dialog},
        {"JFrame", "Dialog,AboutBox,actionPerformed()", dialog},
        {"Applet", "Dialog,AboutBox,actionPerformed()", {}},
        {"Dialog", "Dialog,AboutBox,actionPerformed()", {}},
        {"Panel", "Dialog,AboutBox,actionPerformed()", {}},
        {"JApplet", "Dialog,AboutBox,actionPerformed()", {}},
        {"JDialog", "Dialog,AboutBox,actionPerformed()", {}},
        {"JPanel", "Dialog,AboutBox,actionPerformed()", {}},
        {"Applet",
         "Frame,Settings,actionPerformed()",
         {"            Frame window = new Settings();", "            window.pack();",
          "            window.show();"}},
        {"JPanel",
         "JDialog,Prefs,actionPerformed()",
         {"            JDialog window = new Prefs();", "            window.pack();",
          "            window.show();"}},
        {"Frame", "Frame,Settings,mouseClicked()", {}},
        {"Frame", "Window,Settings,actionPerformed()", {}},
        {"Frame", "dialog,Settings,actionPerformed()", {}},
        {"Frame", "Frame,,actionPerformed()", {}},
        {"Frame", "Frame,Settings,(None)", {}},
        {"Frame", "Frame,Settings", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            Generate({Row("b", "CommandButton", "actionPerformed()", c.popup)}, c.target).classes,
            ActionClass("b", c.window))
            << c.target << " " << c.popup;
}

TEST(Listeners, FrameSettingsExample) {
    const Output out = Generate(
        {Row("button_1", "CommandButton", "mouseClicked()", "Frame,Settings,mouseClicked()")},
        "Frame");
    EXPECT_EQ(out.classes,
              (Lines{"    class button_1_ML extends MouseAdapter {",
                     "        public void mouseClicked(MouseEvent e) { ",
                     "            System.out.println(\"You have clicked button_1\");",
                     "            Frame window = new Settings();", "            window.pack();",
                     "            window.show();", "        }", "    }", ""}));
}

// Only the trigger method of the component's own classes opens the window; a menu element's
// class opens none, even under the component's name (a design the generator refuses, which
// is never written).
TEST(Listeners, PopupOnlyInTriggerOfTheComponentsOwnClass) {
    const Output out = Generate({Row("b", "CommandButton", "actionPerformed()|mouseClicked()",
                                     "Frame,Settings,mouseClicked()")},
                                "Frame");
    EXPECT_EQ(std::count(out.classes.begin(), out.classes.end(),
                         "            Frame window = new Settings();"),
              1);
    const Output menu =
        Generate({Row("b", "CommandButton", "", "Frame,Settings,actionPerformed()")}, "Frame",
                 {Element("b", "actionPerformed()")});
    EXPECT_EQ(menu.classes, ActionClass("b"));
}

TEST(Listeners, NamesInsideMessagesAreEscaped) {
    const Output out = Generate({}, "Frame", {Element("a\"b", "actionPerformed()")});
    ASSERT_GE(out.classes.size(), 3u);
    EXPECT_EQ(out.classes[2], "            System.out.println(\"Action Performed by a\\\"b\");");
}

TEST(PopupBindings, OneRuleForABindingAndGenerationWritesTheWindowKinds) {
    struct Case {
        const char* popup;
        bool binding, written;
    };
    const Case cases[] = {
        {"Dialog,AboutBox,actionPerformed()", true, true},
        {"JFrame,Main,mouseClicked()", true, true},
        {"Frame,Settings,mouseClicked(),extra", true, true},
        {"", false, false},
        {"(None),x,(None)", false, false},
        {"Dialog,,actionPerformed()", false, false},
        {"Dialog,AboutBox", false, false},
        {"Dialog,AboutBox,(None)", false, false},
        {"Panel,AboutBox,actionPerformed()", true, false},
        {" Dialog,AboutBox,actionPerformed()", true, false},
        {"JWindow,AboutBox,actionPerformed()", true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPopupBinding(c.popup), c.binding) << c.popup;
        EXPECT_EQ(IsWritablePopup(c.popup), c.written) << c.popup;
    }

    const PopupBinding binding = PopupBinding::Read("Frame,Settings,mouseClicked(),x");
    EXPECT_EQ(binding.kind, "Frame");
    EXPECT_EQ(binding.className, "Settings");
    EXPECT_EQ(binding.trigger, "mouseClicked()");
    EXPECT_EQ(PopupBinding::Read("Frame").className, "");

    const auto table = [](const char* popup) {
        return CodegenTable{Row("a", "Label", ""), Row("b", "JButton", "", popup)};
    };
    EXPECT_TRUE(PopupsNeedSwingImport(table("JDialog,D,actionPerformed()")));
    EXPECT_TRUE(PopupsNeedSwingImport(table("JFrame,F,actionPerformed()")));
    EXPECT_FALSE(PopupsNeedSwingImport(table("JFrame,,actionPerformed()")));
    EXPECT_FALSE(PopupsNeedSwingImport(table("Frame,F,actionPerformed()")));
    EXPECT_TRUE(HasDialogPopupBinding(table("Dialog,D,actionPerformed()")));
    EXPECT_FALSE(HasDialogPopupBinding(table("JDialog,D,actionPerformed()")));
    EXPECT_FALSE(HasDialogPopupBinding(table("Dialog,D,(None)")));
}

}  // namespace
}  // namespace korvane
