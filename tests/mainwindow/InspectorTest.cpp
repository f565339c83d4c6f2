#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/ComponentKinds.h"
#include "document/DocumentController.h"
#include "mainwindow/Inspector.h"
#include "mainwindow/MainController.h"
#include "support/ScriptedServices.h"

namespace korvane {
namespace {

using testing::ScriptedFileDialog;
using testing::ScriptedMessageBox;

struct CountingView : DocumentView {
    void ShowPopupMenu(std::string_view) override {}
    void DesignChanged() override { ++changes; }
    int changes = 0;
};

class InspectorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.SetMainWindow(&main);
        form.SetView(&view);
        main.Load();
        form.Load();
    }

    // Inserts components of these kinds, one per tag, from the menu bar.
    void Insert(std::initializer_list<const char*> tags) {
        for (const char* tag : tags) form.editor.InsertFromMenuBar(tag);
    }
    // Selects a component's line in the list, as a click on it does.
    void Show(const std::string& name) {
        main.componentList.ListIndex = main.componentList.FindName(name);
        main.ComponentListClicked();
    }
    void SetTabOrders(const std::vector<std::string>& orders) {
        int i = 1;
        for (const std::string& order : orders) form.doc.SetTabOrder(i++, order);
    }
    std::vector<std::string> TabOrders() const {
        std::vector<std::string> orders;
        for (int i = 1; i <= form.doc.SlotCount(); ++i)
            orders.push_back(form.doc.Slot(i).ComponentTabOrder);
        return orders;
    }
    void NewDesign() {
        form.History().MarkSaved();
        form.FileNew();
    }
    bool HandlesShown() const { return form.doc.Handles[1].Visible; }
    void SelectType(const std::string& displayName) {
        ins.TypeList.ListIndex = ins.TypeList.Find(displayName);
        ins.TypeChosen();
    }

    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    CountingView view;
    DocumentController form{messages, dialogs};
    MainController main{form};
    Inspector& ins = main.inspector;
};

TEST_F(InspectorTest, LoadShowsTheSelectedComponentOnAllPages) {
    Insert({"Label", "CommandButton"});
    form.doc.MutableSlot(2).ComponentEvents = "mouseClicked()|bogus()|actionPerformed()";
    form.doc.MutableSlot(2).ComponentPopup = "Frame,f1,keyTyped()";
    Show("button_1");
    EXPECT_EQ(ins.ShownIndex, "2");
    EXPECT_EQ(ins.NameBox.Text, "button_1");
    EXPECT_EQ(ins.TypeList.Text(), "Button");
    EXPECT_EQ(ins.ValueBox.Text, "button_1");
    EXPECT_EQ(ins.TabOrderBox.Text, "2");
    EXPECT_TRUE(ins.NameBox.Enabled && ins.TypeList.Enabled && ins.TabOrderBox.Enabled);
    EXPECT_EQ(form.doc.ActiveSlot, 2);
    EXPECT_TRUE(HandlesShown());

    const std::vector<std::string> button = {
        "actionPerformed()", "focusGained()",     "focusLost()",      "keyPressed()",
        "keyReleased()",     "keyTyped()",        "mouseClicked()",   "mouseEntered()",
        "mouseExited()",     "mousePressed()",    "mouseReleased()",  "mouseDragged()",
        "mouseMoved()",      "componentHidden()", "componentShown()", "componentMoved()",
        "componentResized()"};
    // The name the class does not offer is shown after the ones it offers.
    std::vector<std::string> shown = button;
    shown.push_back("bogus()");
    EXPECT_EQ(ins.EventList.Items, shown);
    EXPECT_EQ(ins.OfferedEvents, static_cast<int>(button.size()));
    std::vector<std::string> triggers = {"(None)"};
    triggers.insert(triggers.end(), button.begin(), button.end());
    EXPECT_EQ(ins.PopupTriggerList.Items, triggers);
    std::vector<std::string> checked;
    for (size_t k = 0; k < ins.EventList.Items.size(); ++k)
        if (ins.EventList.Checked[k]) checked.push_back(ins.EventList.Items[k]);
    // The popup trigger shows checked: generation registers it.
    EXPECT_EQ(checked, (std::vector<std::string>{"actionPerformed()", "keyTyped()",
                                                 "mouseClicked()", "bogus()"}));
    EXPECT_EQ(ins.TriggerRow, ins.EventList.Find("keyTyped()"));
    EXPECT_EQ(ins.EventList.ListIndex, 0);
    EXPECT_EQ(form.doc.Slot(2).ComponentEvents, "mouseClicked()|bogus()|actionPerformed()");
    EXPECT_EQ(ins.PopupKindList.Items, (std::vector<std::string>{"(None)", "Dialog", "Frame"}));
    EXPECT_EQ(ins.PopupKindList.Text(), "Frame");
    EXPECT_EQ(ins.PopupClassBox.Text, "f1");
    EXPECT_EQ(ins.PopupTriggerList.Text(), "keyTyped()");
    EXPECT_TRUE(ins.ClearPopupEnabled);

    // A Swing component: Swing popup kinds; a binding with one field fills what it has.
    Insert({"JButton"});
    form.doc.MutableSlot(3).ComponentPopup = "JDialog";
    Show("button_2");
    EXPECT_EQ(ins.PopupKindList.Items, (std::vector<std::string>{"(None)", "JDialog", "JFrame"}));
    EXPECT_EQ(ins.PopupKindList.Text(), "JDialog");
    EXPECT_EQ(ins.PopupClassBox.Text, "");
    EXPECT_EQ(ins.PopupTriggerList.ListIndex, -1);
}

TEST_F(InspectorTest, LoadOfAnEntryWithoutALiveComponentChangesNothing) {
    Insert({"Label", "Label"});
    Show("label_1");
    form.doc.SetVisible(2, false);  // deleted, but the list still shows it
    main.componentList.AddItem("ghost (Label)");
    for (const std::string name : {"label_2", "ghost"}) {
        Show(name);
        EXPECT_EQ(ins.ShownIndex, "1") << name;
        EXPECT_EQ(form.doc.ActiveSlot, 1) << name;
    }
    main.componentList.ListIndex = -1;
    main.ComponentListClicked();
    EXPECT_EQ(ins.NameBox.Text, "label_1");
}

TEST_F(InspectorTest, ClearEmptiesAndDisablesEveryPageAndEditsThenChangeNothing) {
    Insert({"CommandButton"});
    form.doc.MutableSlot(1).ComponentPopup = "Dialog,d,mouseClicked()";
    Show("button_1");
    form.WindowMouseDown(kLeftButton, 0, 0, 0);  // a click on the empty surface
    EXPECT_EQ(ins.ShownIndex, "");
    EXPECT_EQ(ins.NameBox.Text, "");
    EXPECT_EQ(ins.TypeList.Text(), "Label");
    EXPECT_FALSE(ins.NameBox.Enabled || ins.ValueBox.Enabled || ins.TypeList.Enabled ||
                 ins.TabOrderBox.Enabled);
    EXPECT_TRUE(ins.EventList.Items.empty());
    EXPECT_FALSE(ins.EventList.Enabled || ins.PopupKindList.Enabled || ins.PopupClassBox.Enabled ||
                 ins.PopupTriggerList.Enabled || ins.ClearPopupEnabled);
    EXPECT_EQ(ins.PopupKindList.ListIndex, -1);
    EXPECT_TRUE(ins.PopupTriggerList.Items.empty());

    form.History().MarkSaved();
    const ComponentRecord before = form.doc.Slot(1);
    ins.ValueBox.Text = "typed";
    ins.ValueChanged();
    ins.NameBox.Text = "";
    EXPECT_TRUE(ins.ValidateName());
    ins.TabOrderBox.Text = "";
    EXPECT_TRUE(ins.ValidateTabOrder());
    SelectType("JList");
    EXPECT_EQ(ins.NameKeyPress(kKeyEscape), 0);
    const ComponentRecord& after = form.doc.Slot(1);
    EXPECT_EQ(after.ComponentName, before.ComponentName);
    EXPECT_EQ(after.ComponentType, before.ComponentType);
    EXPECT_EQ(after.ComponentValue, before.ComponentValue);
    EXPECT_EQ(after.ComponentTabOrder, before.ComponentTabOrder);
    EXPECT_EQ(after.ComponentPopup, before.ComponentPopup);
    EXPECT_FALSE(form.Modified());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InspectorTest, RefusedNamesKeepTheFocusAndRestoreTheStoredName) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"", "Name is empty."},
        {"   ", "Name is empty."},
        {"label_2", "Name already has been used."},
        {"2nd", "Name must be a valid Java identifier."},
        {"class", "Name must be a valid Java identifier."},
        {"a-b", "Name must be a valid Java identifier."},
        {" label_9", "Name must be a valid Java identifier."},  // a pasted blank
        {"a·b", "Name must be a valid Java identifier."},
    };
    Insert({"Label", "Label"});
    for (bool byEnter : {true, false}) {
        for (const Case& c : cases) {
            Show("label_1");
            form.History().MarkSaved();
            form.doc.MouseIsDown = true;
            messages.shown.clear();
            ins.GotFocus(InspectorControl::NameBox);
            ins.NameBox.Text = c.typed;
            if (byEnter) {
                ins.NameKeyPress(kKeyEnter);
            } else {
                EXPECT_FALSE(ins.NameLosesFocus()) << c.typed;
            }
            ASSERT_EQ(messages.shown.size(), 1u) << c.typed;
            EXPECT_EQ(messages.shown[0].text, c.message) << c.typed;
            EXPECT_EQ(messages.shown[0].title, "Component Name");
            EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
            EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(ins.NameBox.Text, "label_1");
            EXPECT_EQ(ins.Focus, InspectorControl::NameBox);
            EXPECT_EQ(ins.NameBox.SelStart, 0);
            EXPECT_EQ(ins.NameBox.SelLength, 7);
            EXPECT_FALSE(form.doc.MouseIsDown);
            EXPECT_FALSE(HandlesShown());
            EXPECT_FALSE(form.Modified());
            EXPECT_EQ(form.doc.Slot(1).ComponentName, "label_1");
        }
    }
}

TEST_F(InspectorTest, AcceptedNamesAreStoredAndTheListFollows) {
    struct Case {
        const char* typed;
        bool modifies;
    };
    const Case cases[] = {
        {"Label_2", true},   // differs only in letter case from a live name
        {"button_1", true},  // the name of a deleted component
        {"$pane_x9", true},
        {"$pane_x9", false},  // confirming the stored name
    };
    Insert({"Label", "Label", "CommandButton"});
    form.doc.SetVisible(3, false);
    form.list.FillComponentList();
    for (const Case& c : cases) {
        Show(form.doc.Slot(1).ComponentName);
        form.History().MarkSaved();
        ins.NameBox.Text = c.typed;
        EXPECT_TRUE(ins.NameLosesFocus()) << c.typed;
        EXPECT_TRUE(messages.shown.empty()) << c.typed;
        EXPECT_EQ(form.Modified(), c.modifies) << c.typed;
        EXPECT_EQ(form.doc.Slot(1).ComponentName, c.typed);
        EXPECT_EQ(main.componentList.List(main.componentList.ListIndex),
                  std::string(c.typed) + " (Label)");
        EXPECT_EQ(ins.NameBox.Text, c.typed);
    }
    EXPECT_EQ(main.componentList.Items(),
              (std::vector<std::string>{"$pane_x9 (Label)", "label_2 (Label)"}));
}

// A rename or a kind change gives one row its new text; the list is then the one a rebuild
// shows, and a name that a file gave two components is still found at its first row.
TEST_F(InspectorTest, RenamesAndKindChangesLeaveTheListAsARebuildShowsIt) {
    Insert({"Label", "Label", "CommandButton", "Label"});
    form.doc.SetName(4, "label_1");
    form.doc.SetVisible(2, false);
    form.list.FillComponentList();
    auto rebuilt = [&] {
        std::vector<std::string> items;
        for (int i = 1; i <= form.doc.SlotCount(); ++i)
            if (form.doc.IsLive(i)) items.push_back(ComponentListSync::ListEntry(form.doc.Slot(i)));
        return items;
    };
    Show("label_1");
    ins.NameBox.Text = "first";
    ASSERT_TRUE(ins.NameLosesFocus());
    EXPECT_EQ(main.componentList.Items(), rebuilt());
    EXPECT_EQ(main.componentList.FindName("first"), 0);
    EXPECT_EQ(main.componentList.FindName("label_1"), 2);  // slot 4, the name's other holder
    EXPECT_EQ(main.componentList.ListIndex, 0);
    SelectType("JButton");
    EXPECT_EQ(main.componentList.Items(), rebuilt());
    EXPECT_EQ(main.componentList.List(main.componentList.ListIndex), "first (JButton)");
    Show("label_1");
    ins.NameBox.Text = "button_9";
    ASSERT_TRUE(ins.NameLosesFocus());
    EXPECT_EQ(main.componentList.Items(), rebuilt());
    EXPECT_EQ(main.componentList.FindName("label_1"), -1);
    EXPECT_EQ(main.componentList.FindName("button_9"), 2);
    EXPECT_EQ(main.componentList.EditedRows(), (std::vector<int>{0, 0, 2}));
}

TEST_F(InspectorTest, NameKeysSwallowBlanksAndEscapeRestores) {
    Insert({"Label"});
    EXPECT_EQ(ins.NameKeyPress(' '), 0);
    EXPECT_EQ(ins.NameKeyPress('x'), 'x');
    ins.NameBox.Text = "changed";
    EXPECT_EQ(ins.NameKeyPress(kKeyEscape), 0);
    EXPECT_EQ(ins.NameBox.Text, "label_1");
    EXPECT_EQ(form.doc.Slot(1).ComponentName, "label_1");
}

TEST_F(InspectorTest, ValueEditsAreWrittenAtOnce) {
    Insert({"JList"});
    form.History().MarkSaved();
    ins.ValueBox.Text = "a|b|c";
    ins.ValueChanged();
    EXPECT_EQ(form.doc.Slot(1).ComponentValue, "a|b|c");
    EXPECT_TRUE(form.Modified());
}

TEST_F(InspectorTest, TabOrderEditsRenumberTheOthers) {
    struct Case {
        const char* name;
        std::vector<const char*> kinds;  // slot 1.. ; "-" marks a deleted Label
        std::vector<std::string> orders;
        int edited;
        const char* typed;
        std::vector<std::string> expected;
        bool modifies;
    };
    const Case cases[] = {
        {"worked example",
         {"Label", "Label", "Label", "Label"},
         {"1", "2", "3", "4"},
         4,
         "2",
         {"1", "3", "4", "2"},
         true},
        {"two equal, set below",
         {"Label", "Label", "Label"},
         {"2", "2", "3"},
         3,
         "1",
         {"3", "2", "1"},
         true},
        {"only component", {"Label"}, {"1"}, 1, "5", {"5"}, true},
        {"above every other",
         {"Label", "Label", "Label"},
         {"1", "2", "3"},
         3,
         "9",
         {"1", "2", "9"},
         true},
        {"no number counts as 0",
         {"Label", "Label", "Label"},
         {"abc", "1", "7"},
         3,
         "0",
         {"1", "2", "0"},
         true},
        {"deleted slots stay",
         {"Label", "-", "Label"},
         {"1", "1", "3"},
         3,
         "1",
         {"2", "1", "1"},
         true},
        {"confirming the stored value", {"Label", "Label"}, {"1", "1"}, 2, "1", {"1", "1"}, false},
        // Equal values above n are raised by one each, all but the last of them.
        {"three equal above",
         {"Label", "Label", "Label", "Label"},
         {"5", "5", "5", "9"},
         4,
         "1",
         {"6", "6", "5", "1"},
         true},
        {"raised into equal ones",
         {"Label", "Label", "Label", "Label", "Label", "Label", "Label", "Label"},
         {"2", "3", "3", "4", "4", "4", "7", "1"},
         8,
         "3",
         {"2", "4", "4", "5", "5", "5", "7", "3"},
         true},
        {"a gap stops the raising",
         {"Label", "Label", "Label", "Label", "Label"},
         {"1", "2", "2", "4", "0"},
         5,
         "2",
         {"1", "3", "3", "4", "2"},
         true},
    };
    for (const Case& c : cases) {
        NewDesign();
        for (const char* kind : c.kinds) Insert({std::string(kind) == "-" ? "Label" : kind});
        SetTabOrders(c.orders);
        for (size_t k = 0; k < c.kinds.size(); ++k)
            if (std::string(c.kinds[k]) == "-") form.doc.SetVisible(static_cast<int>(k) + 1, false);
        form.list.FillComponentList();
        Show(form.doc.Slot(c.edited).ComponentName);
        form.History().MarkSaved();
        ins.TabOrderBox.Text = c.typed;
        EXPECT_TRUE(ins.TabOrderLosesFocus()) << c.name;
        EXPECT_EQ(TabOrders(), c.expected) << c.name;
        EXPECT_EQ(form.Modified(), c.modifies) << c.name;
        EXPECT_EQ(main.componentList.ListIndex,
                  main.componentList.FindName(form.doc.Slot(c.edited).ComponentName));
        EXPECT_TRUE(messages.shown.empty()) << c.name;
    }
}

TEST_F(InspectorTest, RefusedTabOrdersKeepTheFocusAndRenumberNothing) {
    struct Case {
        std::vector<std::string> orders;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {{"1", "2"}, "", "Tab Order is empty."},
        {{"1", "2"}, "  ", "Tab Order is empty."},
        {{"1", "2"}, "40000", "Tab Order is too large."},
        {{"1", "2"}, "99999999999999999999", "Tab Order is too large."},
        // The one that holds 32767 would have to move past the limit.
        {{"32767", "2"}, "32767", "Tab Order is too large."},
    };
    Insert({"Label", "Label"});
    for (const Case& c : cases) {
        SetTabOrders(c.orders);
        Show("label_2");
        form.History().MarkSaved();
        form.doc.MouseIsDown = true;
        messages.shown.clear();
        ins.TabOrderBox.Text = c.typed;
        EXPECT_FALSE(ins.TabOrderLosesFocus()) << c.typed;
        ASSERT_EQ(messages.shown.size(), 1u) << c.typed;
        EXPECT_EQ(messages.shown[0].text, c.message) << c.typed;
        EXPECT_EQ(messages.shown[0].title, "Component Order");
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(ins.TabOrderBox.Text, "2");
        EXPECT_EQ(ins.Focus, InspectorControl::TabOrderBox);
        EXPECT_EQ(ins.TabOrderBox.SelLength, 1);
        EXPECT_FALSE(form.doc.MouseIsDown);
        EXPECT_FALSE(HandlesShown());
        EXPECT_FALSE(form.Modified());
        EXPECT_EQ(TabOrders(), c.orders);
    }
}

TEST_F(InspectorTest, TabOrderKeysAreFiltered) {
    Insert({"Label"});
    struct Case {
        int key;
        int passed;
    };
    const Case cases[] = {{'0', '0'},
                          {'9', '9'},
                          {kKeyBackspace, kKeyBackspace},
                          {kKeyEnter, kKeyEnter},
                          {'a', 0},
                          {' ', 0},
                          {'-', 0},
                          {'.', 0}};
    for (const Case& c : cases) EXPECT_EQ(ins.TabOrderKeyPress(c.key), c.passed) << c.key;
    ins.TabOrderBox.Text = "77";
    EXPECT_EQ(ins.TabOrderKeyPress(kKeyEscape), 0);
    EXPECT_EQ(ins.TabOrderBox.Text, "1");
}

TEST_F(InspectorTest, RenumberingAFullDesignMovesEveryOtherComponent) {
    for (int k = 1; k <= kMaxSlots; ++k) {
        ComponentRecord r;
        r.ComponentName = "c" + std::to_string(k);
        r.ComponentType = "Label";
        r.ComponentTabOrder = std::to_string(k);
        form.doc.AppendSlot(std::move(r));
    }
    form.list.FillComponentList();
    Show("c" + std::to_string(kMaxSlots));
    ins.TabOrderBox.Text = "1";
    ASSERT_TRUE(ins.ValidateTabOrder());
    EXPECT_EQ(form.doc.Slot(1).ComponentTabOrder, "2");
    EXPECT_EQ(form.doc.Slot(kMaxSlots - 1).ComponentTabOrder, std::to_string(kMaxSlots));
    EXPECT_EQ(form.doc.Slot(kMaxSlots).ComponentTabOrder, "1");
}

TEST_F(InspectorTest, KindChangeKeepsNameValueAndPopupBinding) {
    struct Case {
        const char* tag;
        const char* popup;
        const char* newKind;
        const char* storedPopup;
    };
    const Case cases[] = {
        {"Label", "", "Button", ""},
        {"Label", "Dialog,dlg,mouseClicked()", "Button", "Dialog,dlg,mouseClicked()"},
        {"CommandButton", "Dialog,dlg,actionPerformed()", "Label", "Dialog,dlg,actionPerformed()"},
        {"Label", "Frame,f,mouseClicked()", "JLabel", "Frame,f,mouseClicked()"},
    };
    for (const Case& c : cases) {
        NewDesign();
        Insert({c.tag});
        const std::string name = form.doc.Slot(1).ComponentName;
        form.doc.MutableSlot(1).ComponentPopup = c.popup;
        Show(name);
        form.History().MarkSaved();
        int redraws = view.changes;
        SelectType(c.newKind);
        const ComponentRecord& r = form.doc.Slot(1);
        EXPECT_EQ(r.ComponentType, TypeOfDisplayName(c.newKind)) << c.popup;
        EXPECT_EQ(r.ComponentName, name);
        EXPECT_EQ(r.ComponentValue, name);
        EXPECT_EQ(r.ComponentPopup, c.storedPopup) << c.popup;
        EXPECT_TRUE(form.Modified());
        EXPECT_GT(view.changes, redraws);
        EXPECT_EQ(main.componentList.List(0), name + " (" + c.newKind + ")");
        // A Label offers no actionPerformed(), which the binding opens its window on: said.
        EXPECT_EQ(messages.shown.size(), c.popup == std::string("Dialog,dlg,actionPerformed()"))
            << c.popup;
        messages.shown.clear();
    }
}

TEST_F(InspectorTest, KindChangeWithARefusedNameChangesTheKind) {
    Insert({"Label"});
    ins.NameBox.Text = "";
    SelectType("Canvas");
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Name is empty."});
    EXPECT_EQ(form.doc.Slot(1).ComponentType, "PictureBox");
    EXPECT_EQ(ins.NameBox.Text, "label_1");
}

TEST_F(InspectorTest, DeleteKeys) {
    Insert({"Label", "Label", "Label"});
    ins.PropertiesPageKeyDown('A');
    EXPECT_EQ(form.doc.LiveCount(), 3);
    // On the Properties page Delete removes the selected component, as on the surface.
    ins.PropertiesPageKeyDown(kKeyDelete);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(form.doc.IsLive(3));
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(ins.ShownIndex, "");
    EXPECT_FALSE(HandlesShown());
    Show("label_2");

    ins.ComponentListKeyDown('A');
    EXPECT_EQ(form.doc.LiveCount(), 2);
    ins.ComponentListKeyDown(kKeyDelete);
    EXPECT_FALSE(form.doc.IsLive(2));
    EXPECT_EQ(main.componentList.Items(), std::vector<std::string>{"label_1 (Label)"});
    EXPECT_EQ(ins.ShownIndex, "");
    EXPECT_FALSE(HandlesShown());
    // With nothing chosen, both keys delete nothing.
    ins.PropertiesPageKeyDown(kKeyDelete);
    ins.ComponentListKeyDown(kKeyDelete);
    EXPECT_EQ(form.doc.LiveCount(), 1);
}

TEST_F(InspectorTest, TabHeadersSwitchPages) {
    EXPECT_TRUE(ins.TabHeaderLabels[2].Visible && ins.TabHeaderLabels[3].Visible);
    EXPECT_TRUE(ins.PropertiesPage.Visible);
    ins.TabHeaderClicked(2);
    EXPECT_TRUE(ins.EventsPage.Visible);
    EXPECT_FALSE(ins.PropertiesPage.Visible || ins.PopupPage.Visible);
    EXPECT_EQ(ins.TabHeaderShapes[2].FillColor, (Rgb{192, 192, 192}));
    EXPECT_EQ(ins.TabHeaderShapes[1].FillColor, (Rgb{224, 224, 224}));
    ins.TabHeaderClicked(0);
    EXPECT_TRUE(ins.EventsPage.Visible);

    ins.StripTabClicked(3);
    EXPECT_TRUE(ins.PopupPage.Visible);
    EXPECT_FALSE(ins.EventsPage.Visible);
    EXPECT_EQ(ins.StripTabShapes[3].FillColor, (Rgb{192, 192, 192}));
    EXPECT_EQ(ins.StripTabShapes[1].FillColor, (Rgb{208, 208, 208}));
    EXPECT_FALSE(ins.StripTabUpperEdges[3].Visible);
    EXPECT_TRUE(ins.StripTabUpperEdges[1].Visible && ins.StripTabLowerEdges[2].Visible);
}

TEST_F(InspectorTest, OpenSelectsAndShowsNothing) {
    const std::string path = ::testing::TempDir() + "inspector-open.dat";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fputs("[1]\nName=a\nType=Button\nTabOrder=1\n[2]\nName=b\nType=JLabel\n", f);
        std::fclose(f);
    }
    Insert({"Label"});
    form.History().MarkSaved();
    ASSERT_TRUE(form.OpenPath(path));
    EXPECT_EQ(main.componentList.Items(), (std::vector<std::string>{"a (Button)", "b (JLabel)"}));
    EXPECT_EQ(ins.ShownSlot(), 0);
    EXPECT_EQ(ins.NameBox.Text, "");
    EXPECT_FALSE(ins.NameBox.Enabled);
    std::remove(path.c_str());
}

}  // namespace
}  // namespace korvane
