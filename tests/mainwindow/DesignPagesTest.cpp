// The Events and Popup pages writing into the record, and the history every such edit goes to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/DesignEdits.h"
#include "document/ProjectFile.h"
#include "support/CoreProgram.h"
#include "support/RecordingHistory.h"

namespace korvane {
namespace {

class DesignPagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        p.form.editor.InsertFromMenuBar("CommandButton");
        p.form.editor.InsertFromMenuBar("JLabel");
        p.form.SetHistory(&history);
    }
    void Show(const std::string& name) {
        p.main.componentList.ListIndex = p.main.componentList.FindName(name);
        p.main.ComponentListClicked();
    }
    void Check(const std::string& event, bool on) {
        ins.EventChecked(ins.EventList.Find(event), on);
    }
    void Choose(ListState& list, const std::string& item) { list.ListIndex = list.Find(item); }
    const ComponentRecord& Button() const { return p.form.doc.Slot(1); }

    testing::CoreProgram p;
    Inspector& ins = p.main.inspector;
    testing::RecordingHistory history;
};

TEST_F(DesignPagesTest, CheckedEventsAreWrittenInPageOrderKeepingUnknownNames) {
    struct Case {
        const char* name;
        std::string stored;
        std::string event;
        bool on;
        std::string expected;
    };
    const Case cases[] = {
        {"first check", "", "mouseClicked()", true, "mouseClicked()"},
        {"page order, not click order", "mouseClicked()", "actionPerformed()", true,
         "actionPerformed()|mouseClicked()"},
        {"stored order is replaced by the page's", "mouseClicked()|actionPerformed()", "keyTyped()",
         true, "actionPerformed()|keyTyped()|mouseClicked()"},
        {"unknown names stay, after the page's", "bogus()|mouseClicked()", "focusLost()", true,
         "focusLost()|mouseClicked()|bogus()"},
        {"unchecking the last known name", "bogus()|mouseClicked()", "mouseClicked()", false,
         "bogus()"},
        {"unchecking everything", "actionPerformed()", "actionPerformed()", false, ""},
        {"empty pieces are dropped", "|mouseClicked()||", "keyTyped()", true,
         "keyTyped()|mouseClicked()"},
    };
    for (const Case& c : cases) {
        p.form.doc.MutableSlot(1).ComponentEvents = c.stored;
        p.form.History().MarkSaved();
        Show("button_1");
        Check(c.event, c.on);
        EXPECT_EQ(Button().ComponentEvents, c.expected) << c.name;
        EXPECT_TRUE(p.form.Modified()) << c.name;
    }
}

// With several selected, a check on the shown one's page goes to the others as one step, each
// keeping to what its kind offers and to its own popup trigger.
TEST_F(DesignPagesTest, AnEventCheckedWithSeveralSelectedReachesEachAsItsKindAllows) {
    struct Case {
        const char* name;
        std::string button, label, labelPopup;  // stored before
        std::string event;
        bool on;
        std::string buttonAfter, labelAfter;
    };
    const Case cases[] = {
        {"offered by both", "", "", "", "mouseClicked()", true, "mouseClicked()", "mouseClicked()"},
        {"not offered by the label: not added", "", "", "", "actionPerformed()", true,
         "actionPerformed()", ""},
        {"unchecked on both", "mouseClicked()", "keyTyped()|mouseClicked()", "", "mouseClicked()",
         false, "", "keyTyped()"},
        {"an unoffered one goes when unchecked", "actionPerformed()", "actionPerformed()", "",
         "actionPerformed()", false, "", ""},
        {"the label's popup trigger stays", "mouseClicked()", "mouseClicked()",
         "JFrame,Settings,mouseClicked()", "mouseClicked()", false, "", "mouseClicked()"},
    };
    for (const Case& c : cases) {
        p.form.doc.MutableSlot(1).ComponentEvents = c.button;
        p.form.doc.MutableSlot(2).ComponentEvents = c.label;
        p.form.doc.MutableSlot(2).ComponentPopup = c.labelPopup;
        p.form.selection.SelectSlots({1, 2}, 1);
        Show("button_1");
        history.Clear();
        Check(c.event, c.on);
        EXPECT_EQ(Button().ComponentEvents, c.buttonAfter) << c.name;
        EXPECT_EQ(p.form.doc.Slot(2).ComponentEvents, c.labelAfter) << c.name;
        EXPECT_EQ(history.changes.size(), 1u) << c.name;
    }
}

TEST_F(DesignPagesTest, AnEventsEditIsOneHistoryStepThatUndoesAndRedoes) {
    Show("button_1");
    Check("mouseClicked()", true);
    Check("mouseClicked()", true);  // no change: nothing recorded
    ASSERT_EQ(history.changes.size(), 1u);
    EXPECT_EQ(history.changes[0].Text(), "Events of button_1");
    Show("label_1");
    history.Undo(p.form, 0);
    EXPECT_EQ(Button().ComponentEvents, "");
    // Undoing keeps the selection; the changed component's page shows it as it now is.
    EXPECT_EQ(ins.NameBox.Text, "label_1");
    Show("button_1");
    EXPECT_FALSE(ins.EventList.Checked[static_cast<size_t>(ins.EventList.Find("mouseClicked()"))]);
    history.Redo(p.form, 0);
    EXPECT_EQ(Button().ComponentEvents, "mouseClicked()");
    EXPECT_TRUE(ins.EventList.Checked[static_cast<size_t>(ins.EventList.Find("mouseClicked()"))]);
}

TEST_F(DesignPagesTest, ThePopupBindingFollowsThePage) {
    struct Case {
        const char* name;
        std::string kind, typed, trigger;
        std::string expected;
    };
    const Case cases[] = {
        {"complete", "Frame", "Settings", "mouseClicked()", "Frame,Settings,mouseClicked()"},
        {"blanks around the name", "Dialog", "  dlgMain ", "actionPerformed()",
         "Dialog,dlgMain,actionPerformed()"},
        {"qualified class", "Frame", "app.ui.Settings", "keyTyped()",
         "Frame,app.ui.Settings,keyTyped()"},
        // An incomplete binding is kept as it is, and the page says what it lacks.
        {"kind (None)", "(None)", "Settings", "mouseClicked()", "(None),Settings,mouseClicked()"},
        {"trigger (None)", "Frame", "Settings", "(None)", "Frame,Settings,(None)"},
        {"no kind chosen", "", "Settings", "mouseClicked()", "(None),Settings,mouseClicked()"},
        {"no name", "Frame", "  ", "mouseClicked()", "Frame,,mouseClicked()"},
        {"nothing", "(None)", "", "(None)", ""},
    };
    for (const Case& c : cases) {
        p.form.doc.MutableSlot(1).ComponentPopup = "Frame,Old,focusLost()";
        Show("button_1");
        Choose(ins.PopupKindList, c.kind);
        Choose(ins.PopupTriggerList, c.trigger);
        ins.PopupClassBox.Text = c.typed;
        EXPECT_TRUE(ins.ValidatePopupClass()) << c.name;
        EXPECT_EQ(Button().ComponentPopup, c.expected) << c.name;
        Show("label_1");
        Show("button_1");
        const bool complete = c.expected.find("(None)") == std::string::npos &&
                              c.expected.find(",,") == std::string::npos;
        EXPECT_EQ(ins.PopupNotice.starts_with("Incomplete: it needs "),
                  !complete && !c.expected.empty())
            << c.name << ": " << ins.PopupNotice;
    }
    EXPECT_EQ(ins.PopupNotice, "");
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST_F(DesignPagesTest, EachPopupControlWritesAtOnce) {
    Show("button_1");
    Choose(ins.PopupKindList, "Frame");
    ins.PopupKindChosen();
    EXPECT_EQ(Button().ComponentPopup, "Frame,,(None)");  // no name, no trigger yet
    EXPECT_EQ(ins.PopupNotice,
              "Incomplete: it needs its class and an event. Generation leaves it out until then.");
    ins.PopupClassBox.Text = "Settings";
    ins.PopupClassKeyPress(kKeyEnter);
    EXPECT_EQ(Button().ComponentPopup, "Frame,Settings,(None)");
    Choose(ins.PopupTriggerList, "mouseClicked()");
    ins.PopupTriggerChosen();
    EXPECT_EQ(Button().ComponentPopup, "Frame,Settings,mouseClicked()");
    EXPECT_EQ(ins.PopupNotice, "");
    ASSERT_EQ(history.changes.size(), 3u);
    EXPECT_EQ(history.changes[0].Text(), "Popup of button_1");
    // The trigger shows checked on the Events page, and stays so.
    const int trigger = ins.EventList.Find("mouseClicked()");
    EXPECT_EQ(ins.TriggerRow, trigger);
    EXPECT_TRUE(ins.EventList.Checked[static_cast<size_t>(trigger)]);
    ins.EventChecked(trigger, false);
    EXPECT_TRUE(ins.EventList.Checked[static_cast<size_t>(trigger)]);
    EXPECT_EQ(Button().ComponentEvents, "");

    ins.ClearPopup();
    EXPECT_EQ(Button().ComponentPopup, "");
    EXPECT_EQ(ins.PopupKindList.ListIndex, -1);
    EXPECT_EQ(ins.PopupClassBox.Text, "");
    EXPECT_EQ(ins.PopupTriggerList.ListIndex, -1);
    history.Undo(p.form, history.changes.size() - 1);
    EXPECT_EQ(Button().ComponentPopup, "Frame,Settings,mouseClicked()");
    EXPECT_EQ(ins.PopupClassBox.Text, "Settings");
}

TEST_F(DesignPagesTest, AWindowClassGenerationWouldRefuseIsRefusedWithItsReason) {
    struct Case {
        std::string typed;
        std::string message;
    };
    const Case cases[] = {
        {"1Settings", "The window class \"1Settings\" is not a valid Java class name."},
        {"my-window", "The window class \"my-window\" is not a valid Java class name."},
        {"class", "The window class \"class\" is not a valid Java class name."},
        {"a,b", "The window class \"a,b\" is not a valid Java class name."},
        {"Frame", "The window class \"Frame\" is a class the generated file itself uses."},
        {"String.x", "The window class \"String.x\" is a class the generated file itself uses."},
    };
    for (const Case& c : cases) {
        p.form.doc.MutableSlot(1).ComponentPopup = "Frame,Good,mouseClicked()";
        p.messages.shown.clear();
        Show("button_1");
        ins.PopupClassBox.Text = c.typed;
        EXPECT_FALSE(ins.PopupClassLosesFocus()) << c.typed;
        ASSERT_EQ(p.messages.shown.size(), 1u) << c.typed;
        EXPECT_EQ(p.messages.shown[0].text, c.message);
        EXPECT_EQ(p.messages.shown[0].title, "Popup Name");
        // The record and the box keep the name that was there.
        EXPECT_EQ(Button().ComponentPopup, "Frame,Good,mouseClicked()") << c.typed;
        EXPECT_EQ(ins.PopupClassBox.Text, "Good") << c.typed;
        EXPECT_EQ(ins.Focus, InspectorControl::PopupClassBox);
    }
}

TEST_F(DesignPagesTest, EscapeRestoresTheStoredPopupName) {
    p.form.doc.MutableSlot(1).ComponentPopup = "Frame,Good,mouseClicked()";
    Show("button_1");
    ins.PopupClassBox.Text = "Other";
    EXPECT_EQ(ins.PopupClassKeyPress(kKeyEscape), 0);
    EXPECT_EQ(ins.PopupClassBox.Text, "Good");
    EXPECT_EQ(Button().ComponentPopup, "Frame,Good,mouseClicked()");
}

TEST_F(DesignPagesTest, AKindChangeKeepsEventsAndBindingInSightAndSaysWhatIsNotOffered) {
    p.form.doc.MutableSlot(1).ComponentEvents = "actionPerformed()|textValueChanged()";
    p.form.doc.MutableSlot(1).ComponentPopup = "Frame,Settings,actionPerformed()";
    Show("button_1");
    // A Button does not offer textValueChanged(): shown last, checked, to be unchecked.
    EXPECT_EQ(ins.EventList.Items.back(), "textValueChanged()");
    EXPECT_EQ(ins.OfferedEvents, static_cast<int>(ins.EventList.Items.size()) - 1);
    ins.TypeList.ListIndex = ins.TypeList.Find("JLabel");
    ins.TypeChosen();
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].text,
              "A JLabel does not offer actionPerformed(): it stays with \"button_1\", shown on the "
              "Events page as not offered, but generation leaves it out, and the popup binding "
              "that opens Settings on actionPerformed() opens nothing. Undo changes the kind "
              "back.");
    EXPECT_EQ(Button().ComponentPopup, "Frame,Settings,actionPerformed()");
    const int offered = ins.OfferedEvents;
    EXPECT_EQ(
        std::vector<std::string>(ins.EventList.Items.begin() + offered, ins.EventList.Items.end()),
        (std::vector<std::string>{"actionPerformed()", "textValueChanged()"}));
    EXPECT_EQ(ins.TriggerRow, offered);
    // The popup kinds are the Swing ones, with the stored AWT kind shown as it is.
    EXPECT_EQ(ins.PopupKindList.Items,
              (std::vector<std::string>{"(None)", "JDialog", "JFrame", "Frame"}));
    EXPECT_EQ(ins.PopupKindList.Text(), "Frame");
    EXPECT_EQ(ins.PopupTriggerList.Text(), "actionPerformed()");
    EXPECT_EQ(ins.PopupNotice.substr(0, 60),
              "This kind of component does not offer actionPerformed(): gen");
    // An event the kind does not offer is removed by unchecking it; checking one it offers
    // puts it first.
    Check("textValueChanged()", false);
    Check("mouseClicked()", true);
    EXPECT_EQ(Button().ComponentEvents, "mouseClicked()|actionPerformed()");
    // Undo takes back the kind and nothing else.
    history.Undo(p.form, history.changes.size() - 3);
    EXPECT_EQ(Button().ComponentType, "CommandButton");
}

TEST_F(DesignPagesTest, WithNothingShownThePagesWriteNothing) {
    p.main.ClearInspector();
    p.form.History().MarkSaved();
    ins.EventChecked(0, true);
    ins.PopupClassBox.Text = "X";
    EXPECT_TRUE(ins.ValidatePopupClass());
    ins.ClearPopup();
    EXPECT_FALSE(p.form.Modified());
    EXPECT_TRUE(history.changes.empty());
}

}  // namespace
}  // namespace korvane
