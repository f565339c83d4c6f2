#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/ComponentKinds.h"
#include "document/Form1.h"
#include "mainwindow/Inspector.h"
#include "mainwindow/MDIForm1.h"
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
        main.MDIForm_Load();
        form.Form_Load();
    }

    // Inserts components of these kinds, one per tag, from the menu bar.
    void Insert(std::initializer_list<const char*> tags) {
        for (const char* tag : tags) form.InsertFromMenuBar(tag);
    }
    // Selects a component's line in the list, as a click on it does.
    void Show(const std::string& name) {
        main.list1.ListIndex = main.list1.FindName(name);
        main.List1_Click();
    }
    void SetTabOrders(const std::vector<std::string>& orders) {
        int i = 1;
        for (const std::string& order : orders) form.doc.SetTabOrder(i++, order);
    }
    std::vector<std::string> TabOrders() const {
        std::vector<std::string> orders;
        for (int i = 1; i <= form.doc.Objects_Count(); ++i)
            orders.push_back(form.doc.Slot(i).ComponentTabOrder);
        return orders;
    }
    void NewDesign() {
        form.doc.isModified = false;
        form.OptionFileNew_Click();
    }
    bool HandlesShown() const { return form.doc.Picture_Corner[1].Visible; }
    void SelectType(const std::string& displayName) {
        ins.Combo3_Type.ListIndex = ins.Combo3_Type.Find(displayName);
        ins.Combo3_Type_Click();
    }

    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    CountingView view;
    Form1 form{messages, dialogs};
    MDIForm1 main{form};
    Inspector& ins = main.inspector;
};

TEST_F(InspectorTest, LoadShowsTheSelectedComponentOnAllPages) {
    Insert({"Label", "CommandButton"});
    form.doc.MutableSlot(2).ComponentEvents = "mouseClicked()|bogus()|actionPerformed()";
    form.doc.MutableSlot(2).ComponentPopup = "Frame,f1,keyTyped()";
    Show("button_1");
    EXPECT_EQ(ins.Text3_Index, "2");
    EXPECT_EQ(ins.Text3_Name.Text, "button_1");
    EXPECT_EQ(ins.Combo3_Type.Text(), "Button");
    EXPECT_EQ(ins.Text3_Value.Text, "button_1");
    EXPECT_EQ(ins.Text3_TabOrder.Text, "2");
    EXPECT_TRUE(ins.Text3_Name.Enabled && ins.Combo3_Type.Enabled && ins.Text3_TabOrder.Enabled);
    EXPECT_EQ(form.doc.Active_Object_Index, 2);
    EXPECT_TRUE(HandlesShown());

    const std::vector<std::string> button = {
        "actionPerformed()", "focusGained()",     "focusLost()",      "keyPressed()",
        "keyReleased()",     "keyTyped()",        "mouseClicked()",   "mouseEntered()",
        "mouseExited()",     "mousePressed()",    "mouseReleased()",  "mouseDragged()",
        "mouseMoved()",      "componentHidden()", "componentShown()", "componentMoved()",
        "componentResized()"};
    EXPECT_EQ(ins.List_Events.Items, button);
    std::vector<std::string> triggers = {"(None)"};
    triggers.insert(triggers.end(), button.begin(), button.end());
    EXPECT_EQ(ins.Combo4_when.Items, triggers);
    std::vector<std::string> checked;
    for (size_t k = 0; k < ins.List_Events.Items.size(); ++k)
        if (ins.List_Events.Checked[k]) checked.push_back(ins.List_Events.Items[k]);
    EXPECT_EQ(checked, (std::vector<std::string>{"actionPerformed()", "mouseClicked()"}));
    EXPECT_EQ(ins.List_Events.ListIndex, 0);
    // The unknown name is only left out of the display.
    EXPECT_EQ(form.doc.Slot(2).ComponentEvents, "mouseClicked()|bogus()|actionPerformed()");
    EXPECT_EQ(ins.Combo4_Popup.Items, (std::vector<std::string>{"(None)", "Dialog", "Frame"}));
    EXPECT_EQ(ins.Combo4_Popup.Text(), "Frame");
    EXPECT_EQ(ins.Text4_Name.Text, "f1");
    EXPECT_EQ(ins.Combo4_when.Text(), "keyTyped()");
    EXPECT_TRUE(ins.CmdClearPopup_Enabled);

    // A Swing component: Swing popup kinds; a binding with one field fills what it has.
    Insert({"JButton"});
    form.doc.MutableSlot(3).ComponentPopup = "JDialog";
    Show("button_2");
    EXPECT_EQ(ins.Combo4_Popup.Items, (std::vector<std::string>{"(None)", "JDialog", "JFrame"}));
    EXPECT_EQ(ins.Combo4_Popup.Text(), "JDialog");
    EXPECT_EQ(ins.Text4_Name.Text, "");
    EXPECT_EQ(ins.Combo4_when.ListIndex, -1);
}

TEST_F(InspectorTest, LoadOfAnEntryWithoutALiveComponentChangesNothing) {
    Insert({"Label", "Label"});
    Show("label_1");
    form.doc.SetVisible(2, false);  // deleted, but the list still shows it
    main.list1.AddItem("ghost (Label)");
    for (const std::string name : {"label_2", "ghost"}) {
        Show(name);
        EXPECT_EQ(ins.Text3_Index, "1") << name;
        EXPECT_EQ(form.doc.Active_Object_Index, 1) << name;
    }
    main.list1.ListIndex = -1;
    main.List1_Click();
    EXPECT_EQ(ins.Text3_Name.Text, "label_1");
}

TEST_F(InspectorTest, ClearEmptiesAndDisablesEveryPageAndEditsThenChangeNothing) {
    Insert({"CommandButton"});
    form.doc.MutableSlot(1).ComponentPopup = "Dialog,d,mouseClicked()";
    Show("button_1");
    form.Form_MouseDown(kLeftButton, 0, 0, 0);  // a click on the empty surface
    EXPECT_EQ(ins.Text3_Index, "");
    EXPECT_EQ(ins.Text3_Name.Text, "");
    EXPECT_EQ(ins.Combo3_Type.Text(), "Label");
    EXPECT_FALSE(ins.Text3_Name.Enabled || ins.Text3_Value.Enabled || ins.Combo3_Type.Enabled ||
                 ins.Text3_TabOrder.Enabled);
    EXPECT_TRUE(ins.List_Events.Items.empty());
    EXPECT_FALSE(ins.List_Events.Enabled || ins.Combo4_Popup.Enabled || ins.Text4_Name.Enabled ||
                 ins.Combo4_when.Enabled || ins.CmdClearPopup_Enabled);
    EXPECT_EQ(ins.Combo4_Popup.ListIndex, -1);
    EXPECT_TRUE(ins.Combo4_when.Items.empty());

    form.doc.isModified = false;
    const ComponentRecord before = form.doc.Slot(1);
    ins.Text3_Value.Text = "typed";
    ins.Text3_Value_Change();
    ins.Text3_Name.Text = "";
    EXPECT_TRUE(ins.Text3_Name_Validate());
    ins.Text3_TabOrder.Text = "";
    EXPECT_TRUE(ins.Text3_TabOrder_Validate());
    SelectType("JList");
    EXPECT_EQ(ins.Text3_Name_KeyPress(kKeyEscape), 0);
    const ComponentRecord& after = form.doc.Slot(1);
    EXPECT_EQ(after.ComponentName, before.ComponentName);
    EXPECT_EQ(after.ComponentType, before.ComponentType);
    EXPECT_EQ(after.ComponentValue, before.ComponentValue);
    EXPECT_EQ(after.ComponentTabOrder, before.ComponentTabOrder);
    EXPECT_EQ(after.ComponentPopup, before.ComponentPopup);
    EXPECT_FALSE(form.doc.isModified);
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
            form.doc.isModified = false;
            form.doc.isMouseDown = true;
            messages.shown.clear();
            ins.GotFocus(InspectorControl::Text3_Name);
            ins.Text3_Name.Text = c.typed;
            if (byEnter) {
                ins.Text3_Name_KeyPress(kKeyEnter);
            } else {
                EXPECT_FALSE(ins.Text3_Name_LostFocus()) << c.typed;
            }
            ASSERT_EQ(messages.shown.size(), 1u) << c.typed;
            EXPECT_EQ(messages.shown[0].text, c.message) << c.typed;
            EXPECT_EQ(messages.shown[0].title, "Component Name");
            EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
            EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(ins.Text3_Name.Text, "label_1");
            EXPECT_EQ(ins.Focus, InspectorControl::Text3_Name);
            EXPECT_EQ(ins.Text3_Name.SelStart, 0);
            EXPECT_EQ(ins.Text3_Name.SelLength, 7);
            EXPECT_FALSE(form.doc.isMouseDown);
            EXPECT_FALSE(HandlesShown());
            EXPECT_FALSE(form.doc.isModified);
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
    form.TreeView1_Load();
    for (const Case& c : cases) {
        Show(form.doc.Slot(1).ComponentName);
        form.doc.isModified = false;
        ins.Text3_Name.Text = c.typed;
        EXPECT_TRUE(ins.Text3_Name_LostFocus()) << c.typed;
        EXPECT_TRUE(messages.shown.empty()) << c.typed;
        EXPECT_EQ(form.doc.isModified, c.modifies) << c.typed;
        EXPECT_EQ(form.doc.Slot(1).ComponentName, c.typed);
        EXPECT_EQ(form.doc.Slot(1).Tag, c.typed);
        EXPECT_EQ(main.list1.List(main.list1.ListIndex), std::string(c.typed) + " (Label)");
        EXPECT_EQ(ins.Text3_Name.Text, c.typed);
    }
    EXPECT_EQ(main.list1.Items(),
              (std::vector<std::string>{"$pane_x9 (Label)", "label_2 (Label)"}));
}

// A rename or a kind change gives one row its new text; the list is then the one a rebuild
// shows, and a name that a file gave two components is still found at its first row.
TEST_F(InspectorTest, RenamesAndKindChangesLeaveTheListAsARebuildShowsIt) {
    Insert({"Label", "Label", "CommandButton", "Label"});
    form.doc.SetName(4, "label_1");
    form.doc.SetVisible(2, false);
    form.TreeView1_Load();
    auto rebuilt = [&] {
        std::vector<std::string> items;
        for (int i = 1; i <= form.doc.Objects_Count(); ++i)
            if (form.doc.IsLive(i)) items.push_back(Form1::ListEntry(form.doc.Slot(i)));
        return items;
    };
    Show("label_1");
    ins.Text3_Name.Text = "first";
    ASSERT_TRUE(ins.Text3_Name_LostFocus());
    EXPECT_EQ(main.list1.Items(), rebuilt());
    EXPECT_EQ(main.list1.FindName("first"), 0);
    EXPECT_EQ(main.list1.FindName("label_1"), 2);  // slot 4, the name's other holder
    EXPECT_EQ(main.list1.ListIndex, 0);
    SelectType("JButton");
    EXPECT_EQ(main.list1.Items(), rebuilt());
    EXPECT_EQ(main.list1.List(main.list1.ListIndex), "first (JButton)");
    Show("label_1");
    ins.Text3_Name.Text = "button_9";
    ASSERT_TRUE(ins.Text3_Name_LostFocus());
    EXPECT_EQ(main.list1.Items(), rebuilt());
    EXPECT_EQ(main.list1.FindName("label_1"), -1);
    EXPECT_EQ(main.list1.FindName("button_9"), 2);
    EXPECT_EQ(main.list1.EditedRows(), (std::vector<int>{0, 0, 2}));
}

TEST_F(InspectorTest, NameKeysSwallowBlanksAndEscapeRestores) {
    Insert({"Label"});
    EXPECT_EQ(ins.Text3_Name_KeyPress(' '), 0);
    EXPECT_EQ(ins.Text3_Name_KeyPress('x'), 'x');
    ins.Text3_Name.Text = "changed";
    EXPECT_EQ(ins.Text3_Name_KeyPress(kKeyEscape), 0);
    EXPECT_EQ(ins.Text3_Name.Text, "label_1");
    EXPECT_EQ(form.doc.Slot(1).ComponentName, "label_1");
}

TEST_F(InspectorTest, ValueEditsAreWrittenAtOnce) {
    Insert({"JList"});
    form.doc.isModified = false;
    ins.Text3_Value.Text = "a|b|c";
    ins.Text3_Value_Change();
    EXPECT_EQ(form.doc.Slot(1).ComponentValue, "a|b|c");
    EXPECT_TRUE(form.doc.isModified);
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
        form.TreeView1_Load();
        Show(form.doc.Slot(c.edited).ComponentName);
        form.doc.isModified = false;
        ins.Text3_TabOrder.Text = c.typed;
        EXPECT_TRUE(ins.Text3_TabOrder_LostFocus()) << c.name;
        EXPECT_EQ(TabOrders(), c.expected) << c.name;
        EXPECT_EQ(form.doc.isModified, c.modifies) << c.name;
        EXPECT_EQ(main.list1.ListIndex, main.list1.FindName(form.doc.Slot(c.edited).ComponentName));
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
        form.doc.isModified = false;
        form.doc.isMouseDown = true;
        messages.shown.clear();
        ins.Text3_TabOrder.Text = c.typed;
        EXPECT_FALSE(ins.Text3_TabOrder_LostFocus()) << c.typed;
        ASSERT_EQ(messages.shown.size(), 1u) << c.typed;
        EXPECT_EQ(messages.shown[0].text, c.message) << c.typed;
        EXPECT_EQ(messages.shown[0].title, "Component Order");
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(ins.Text3_TabOrder.Text, "2");
        EXPECT_EQ(ins.Focus, InspectorControl::Text3_TabOrder);
        EXPECT_EQ(ins.Text3_TabOrder.SelLength, 1);
        EXPECT_FALSE(form.doc.isMouseDown);
        EXPECT_FALSE(HandlesShown());
        EXPECT_FALSE(form.doc.isModified);
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
    for (const Case& c : cases) EXPECT_EQ(ins.Text3_TabOrder_KeyPress(c.key), c.passed) << c.key;
    ins.Text3_TabOrder.Text = "77";
    EXPECT_EQ(ins.Text3_TabOrder_KeyPress(kKeyEscape), 0);
    EXPECT_EQ(ins.Text3_TabOrder.Text, "1");
}

TEST_F(InspectorTest, RenumberingAFullDesignMovesEveryOtherComponent) {
    for (int k = 1; k <= kMaxSlots; ++k) {
        ComponentRecord r;
        r.ComponentName = "c" + std::to_string(k);
        r.Tag = r.ComponentName;
        r.ComponentType = "Label";
        r.ComponentTabOrder = std::to_string(k);
        form.doc.AppendSlot(std::move(r));
    }
    form.TreeView1_Load();
    Show("c" + std::to_string(kMaxSlots));
    ins.Text3_TabOrder.Text = "1";
    ASSERT_TRUE(ins.Text3_TabOrder_Validate());
    EXPECT_EQ(form.doc.Slot(1).ComponentTabOrder, "2");
    EXPECT_EQ(form.doc.Slot(kMaxSlots - 1).ComponentTabOrder, std::to_string(kMaxSlots));
    EXPECT_EQ(form.doc.Slot(kMaxSlots).ComponentTabOrder, "1");
}

TEST_F(InspectorTest, KindChangeKeepsNameAndValueAndStoresThePopupPage) {
    struct Case {
        const char* tag;
        const char* popup;
        const char* newKind;
        const char* storedPopup;
    };
    const Case cases[] = {
        {"Label", "", "Button", ""},
        {"Label", "Dialog,dlg,mouseClicked()", "Button", "Dialog,dlg,mouseClicked()"},
        {"CommandButton", "Dialog,dlg,actionPerformed()", "Label", "Dialog,dlg,(None)"},
        {"Label", "Frame,f,mouseClicked()", "JLabel", "(None),f,mouseClicked()"},
    };
    for (const Case& c : cases) {
        NewDesign();
        Insert({c.tag});
        const std::string name = form.doc.Slot(1).ComponentName;
        form.doc.MutableSlot(1).ComponentPopup = c.popup;
        Show(name);
        form.doc.isModified = false;
        int redraws = view.changes;
        SelectType(c.newKind);
        const ComponentRecord& r = form.doc.Slot(1);
        EXPECT_EQ(r.ComponentType, Display_Name_To_Type(c.newKind)) << c.popup;
        EXPECT_EQ(r.ComponentName, name);
        EXPECT_EQ(r.ComponentValue, name);
        EXPECT_EQ(r.ComponentPopup, c.storedPopup) << c.popup;
        EXPECT_TRUE(form.doc.isModified);
        EXPECT_GT(view.changes, redraws);
        EXPECT_EQ(main.list1.List(0), name + " (" + c.newKind + ")");
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(InspectorTest, KindChangeWithARefusedNameStoresThePageAsShown) {
    Insert({"Label"});
    ins.Combo4_Popup.ListIndex = ins.Combo4_Popup.Find("Dialog");
    ins.Text4_Name.Text = " dlgMain ";
    ins.Combo4_when.ListIndex = ins.Combo4_when.Find("mouseClicked()");
    ins.Text3_Name.Text = "";
    SelectType("Canvas");
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Name is empty."});
    EXPECT_EQ(form.doc.Slot(1).ComponentType, "PictureBox");
    EXPECT_EQ(form.doc.Slot(1).ComponentPopup, "Dialog,dlgMain,mouseClicked()");
    EXPECT_EQ(ins.Text3_Name.Text, "label_1");

    Show("label_1");
    ins.Combo4_Popup.ListIndex = -1;
    ins.Text4_Name.Text = "x";
    ins.Combo4_when.ListIndex = -1;
    ins.StorePopupPage(1);
    EXPECT_EQ(form.doc.Slot(1).ComponentPopup, "(None),x,(None)");
}

TEST_F(InspectorTest, DeleteKeys) {
    Insert({"Label", "Label", "Label"});
    ins.Picture_Properties_KeyDown('A');
    EXPECT_EQ(form.doc.LiveCount(), 3);
    // On the Properties page Delete removes the selected component, as on the surface.
    ins.Picture_Properties_KeyDown(kKeyDelete);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(form.doc.IsLive(3));
    EXPECT_TRUE(form.doc.isModified);
    EXPECT_EQ(ins.Text3_Index, "");
    EXPECT_FALSE(HandlesShown());
    Show("label_2");

    ins.List1_KeyDown('A');
    EXPECT_EQ(form.doc.LiveCount(), 2);
    ins.List1_KeyDown(kKeyDelete);
    EXPECT_FALSE(form.doc.IsLive(2));
    EXPECT_EQ(main.list1.Items(), std::vector<std::string>{"label_1 (Label)"});
    EXPECT_EQ(ins.Text3_Index, "");
    EXPECT_FALSE(HandlesShown());
    // With nothing chosen, both keys delete nothing.
    ins.Picture_Properties_KeyDown(kKeyDelete);
    ins.List1_KeyDown(kKeyDelete);
    EXPECT_EQ(form.doc.LiveCount(), 1);
}

TEST_F(InspectorTest, TabHeadersSwitchPages) {
    EXPECT_TRUE(ins.LabelToolbar2[2].Visible && ins.LabelToolbar2[3].Visible);
    EXPECT_TRUE(ins.Picture_Properties.Visible);
    ins.LabelToolbar2_Click(2);
    EXPECT_TRUE(ins.EventsPage.Visible);
    EXPECT_FALSE(ins.Picture_Properties.Visible || ins.Picture_Popup.Visible);
    EXPECT_EQ(ins.ShapeToolbar2[2].FillColor, (Rgb{192, 192, 192}));
    EXPECT_EQ(ins.ShapeToolbar2[1].FillColor, (Rgb{224, 224, 224}));
    ins.LabelToolbar2_Click(0);
    EXPECT_TRUE(ins.EventsPage.Visible);

    ins.Label_Tab_Click(3);
    EXPECT_TRUE(ins.Picture_Popup.Visible);
    EXPECT_FALSE(ins.EventsPage.Visible);
    EXPECT_EQ(ins.ShapeTab1[3].FillColor, (Rgb{192, 192, 192}));
    EXPECT_EQ(ins.ShapeTab1[1].FillColor, (Rgb{208, 208, 208}));
    EXPECT_FALSE(ins.Line_Tab0[3].Visible);
    EXPECT_TRUE(ins.Line_Tab0[1].Visible && ins.Line_Tab1[2].Visible);
}

TEST_F(InspectorTest, OpenSelectsAndShowsTheFirstComponent) {
    const std::string path = ::testing::TempDir() + "inspector-open.dat";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fputs("[1]\nName=a\nType=Button\nTabOrder=1\n[2]\nName=b\nType=JLabel\n", f);
        std::fclose(f);
    }
    Insert({"Label"});
    form.doc.isModified = false;
    ASSERT_TRUE(form.OpenPath(path));
    EXPECT_EQ(main.list1.Items(), (std::vector<std::string>{"a (Button)", "b (JLabel)"}));
    EXPECT_EQ(ins.Text3_Name.Text, "a");
    EXPECT_EQ(ins.Combo3_Type.Text(), "Button");
    std::remove(path.c_str());
}

}  // namespace
}  // namespace korvane
