#include "mainwindow/Inspector.h"

#include <algorithm>
#include <unordered_map>

#include "codegen/EventCatalogue.h"
#include "codegen/GenerationChecks.h"
#include "codegen/JavaText.h"
#include "document/ComponentKinds.h"
#include "document/DesignEdits.h"
#include "document/Form1.h"
#include "platform/Conversions.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr Rgb kChosenFace{192, 192, 192};
constexpr Rgb kOtherFace{224, 224, 224};
constexpr Rgb kStripOtherFace{208, 208, 208};
constexpr Rgb kShapeBorder{192, 192, 192};
constexpr double kEdgeLine = 15;  // twips: one pixel
constexpr char kNone[] = "(None)";
constexpr char kNameTitle[] = "Component Name";
constexpr char kOrderTitle[] = "Component Order";
constexpr char kPopupTitle[] = "Popup Name";

std::vector<std::string> Split(std::string_view s, char separator) {
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
        size_t end = s.find(separator, start);
        fields.emplace_back(s.substr(start, end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

// Field k of a popup binding; a binding with fewer fields reads the missing ones as "".
std::string Field(const std::vector<std::string>& fields, size_t k) {
    return k < fields.size() ? fields[k] : std::string();
}

}  // namespace

// ---------------------------------------------------------------- control state

void ListState::Clear() {
    Items.clear();
    Checked.clear();
    ListIndex = -1;
}

void ListState::AddItem(std::string item) {
    Items.push_back(std::move(item));
    Checked.push_back(false);
}

std::string ListState::Text() const {
    bool selected = ListIndex >= 0 && ListIndex < static_cast<int>(Items.size());
    return selected ? Items[static_cast<size_t>(ListIndex)] : std::string();
}

int ListState::Find(const std::string& text) const {
    auto it = std::find(Items.begin(), Items.end(), text);
    return it == Items.end() ? -1 : static_cast<int>(it - Items.begin());
}

// ---------------------------------------------------------------- set-up

Inspector::Inspector() {
    const char* captions[4] = {"Components", "  Properties", "  Events", "  Popup"};
    for (int k = 0; k < 4; ++k) LabelToolbar2[k].Caption = captions[k];
    ShapeToolbar2[0].FillColor = ShapeToolbar2[1].FillColor = kChosenFace;
    Picture_Properties.Visible = true;
    for (int k = 1; k <= 3; ++k) ShapeTab1Face[k] = TwipRect{60 + (k - 1) * 1050.0, 60, 1005, 300};
}

void Inspector::Attach(Form1& form, ComponentListBox& list1, const EventCatalogue& catalogue) {
    form_ = &form;
    list1_ = &list1;
    catalogue_ = &catalogue;
}

void Inspector::Form_Start(std::span<const std::string> typeDisplayNames) {
    Presiona_Tab(1);
    for (int k = 1; k <= 3; ++k) ShapeToolbar2[k].BorderColor = kShapeBorder;
    ShowPage(1);
    Combo3_Type.Clear();
    for (const std::string& name : typeDisplayNames) Combo3_Type.AddItem(name);
    FillPopupKinds(false);
    Changed();
}

void Inspector::FillPopupKinds(bool swing) {
    Combo4_Popup.Clear();
    Combo4_Popup.AddItem(kNone);
    Combo4_Popup.AddItem(swing ? "JDialog" : "Dialog");
    Combo4_Popup.AddItem(swing ? "JFrame" : "Frame");
}

void Inspector::Changed() {
    if (OnChanged) OnChanged();
}

int Inspector::ShownSlot() const {
    if (!form_ || Text3_Index.empty()) return 0;
    int i = ToInt16(Text3_Index).value_or(0);
    return form_->doc.IsSlot(i) ? i : 0;
}

// ---------------------------------------------------------------- clear and load

void Inspector::Inicializa_VentanaPropiedades() {
    Text3_Index.clear();
    Text3_Name = TextBoxState{};
    Text3_Value = TextBoxState{};
    if (!Combo3_Type.Items.empty() && Combo3_Type.ListIndex != 0) {
        Combo3_Type.ListIndex = 0;
        Combo3_Type_Click();
    }
    Text3_TabOrder = TextBoxState{};
    Combo3_Type.Enabled = false;
    ClearEventPages();
    if (Focus != InspectorControl::None && Focus != InspectorControl::Picture_Properties)
        Focus = InspectorControl::None;
    Changed();
}

void Inspector::Load() {
    if (!form_ || !list1_) return;
    const ComponentListBox& list = *list1_;
    if (list.ListIndex < 0 || list.ListIndex >= list.ListCount()) return;
    DesignDocument& doc = form_->doc;
    // Tag and ComponentName are kept equal, so the name index finds the slot of a Tag.
    int i = doc.LiveSlotOfName(EntryName(list.List(list.ListIndex)));
    if (i == 0) return;
    doc.Active_Object_Index = i;
    form_->SelectSlot(i);
    Combo3_Type.Enabled = true;
    const ComponentRecord& r = doc.Slot(i);
    Text3_Index = std::to_string(i);
    Text3_Name = TextBoxState{r.ComponentName, true};
    Text3_Value = TextBoxState{r.ComponentValue, true};
    int row = Combo3_Type.Find(Type_To_Display_Name(r.ComponentType));
    if (row >= 0 && row != Combo3_Type.ListIndex) {
        Combo3_Type.ListIndex = row;
        Combo3_Type_Click();
    }
    Text3_TabOrder = TextBoxState{doc.Slot(i).ComponentTabOrder, true};
    FillEventPages(i);
    form_->NotifyChanged();
    Changed();
}

// ---------------------------------------------------------------- edits

void Inspector::Reject(TextBoxState& box, InspectorControl control, const std::string& stored,
                       const std::string& text, const std::string& title) {
    form_->Messages().Show(Warning(text, title));
    box.Text = stored;
    box.SelStart = 0;
    box.SelLength = static_cast<int>(stored.size());
    Focus = control;
    ++FocusRequests;
    form_->doc.isMouseDown = false;
    form_->Corners_Show(false);
    form_->NotifyChanged();
    Changed();
}

int Inspector::Text3_Name_KeyPress(int keyAscii) {
    if (keyAscii == ' ') return 0;
    if (keyAscii == kKeyEscape) {
        if (int i = ShownSlot()) {
            Text3_Name.Text = form_->doc.Slot(i).ComponentName;
            Changed();
        }
        return 0;
    }
    if (keyAscii == kKeyEnter) Text3_Name_Validate();
    return keyAscii;
}

bool Inspector::Text3_Name_Validate() {
    int i = ShownSlot();
    if (i == 0) return true;
    DesignDocument& doc = form_->doc;
    const std::string text = Text3_Name.Text;
    const std::string stored = doc.Slot(i).ComponentName;
    const char* refusal = nullptr;
    if (TrimSpaces(text).empty()) {
        refusal = "Name is empty.";
    } else if (!IsJavaIdentifier(text)) {
        refusal = "Name must be a valid Java identifier.";
    } else if (doc.LiveSlotOfName(text, i) != 0) {
        refusal = "Name already has been used.";
    }
    if (refusal) {
        Reject(Text3_Name, InspectorControl::Text3_Name, stored, refusal, kNameTitle);
        return false;
    }
    if (text != stored) doc.isModified = true;
    DesignChange change("Rename " + stored);
    change.SetField(doc, i, SlotField::Name, text);
    form_->Record(std::move(change));
    form_->TreeView1_Refresh(i);
    form_->TreeView1_Select(text);
    Changed();
    return true;
}

bool Inspector::Text3_Name_LostFocus() {
    if (!Text3_Name_Validate()) return false;
    if (Focus == InspectorControl::Text3_Name) Focus = InspectorControl::None;
    return true;
}

void Inspector::Text3_Value_Change() {
    int i = ShownSlot();
    if (i == 0) return;
    DesignDocument& doc = form_->doc;
    if (Text3_Value.Text != doc.Slot(i).ComponentValue) doc.isModified = true;
    // Typing into the box is one step until another edit comes between.
    DesignChange change("Edit Value of " + doc.Slot(i).ComponentName, MergeKind::ValueTyping);
    change.SetField(doc, i, SlotField::Value, Text3_Value.Text);
    form_->Record(std::move(change));
    form_->NotifyComponentChanged(i);
    Changed();
}

void Inspector::Combo3_Type_Click() {
    int i = ShownSlot();
    if (i == 0 || Combo3_Type.ListIndex < 0) return;
    std::string tag = Display_Name_To_Type(Combo3_Type.Text());
    DesignDocument& doc = form_->doc;
    if (tag == doc.Slot(i).ComponentType) return;
    doc.isModified = true;
    DesignChange change("Change Type of " + doc.Slot(i).ComponentName);
    change.SetField(doc, i, SlotField::Type, std::move(tag));
    Text3_Name_Validate();
    // The popup binding the page stores with the new kind is part of the same step.
    std::string popupBefore = doc.Slot(i).ComponentPopup;
    StorePopupPage(i);
    std::string popupAfter = doc.Slot(i).ComponentPopup;
    WriteSlotField(doc, i, SlotField::Popup, std::move(popupBefore));
    change.SetField(doc, i, SlotField::Popup, std::move(popupAfter));
    form_->Record(std::move(change));
    // The new kind's class offers other events and popup kinds.
    FillEventPages(i);
    form_->NotifyChanged();
    Changed();
}

int Inspector::Text3_TabOrder_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEscape) {
        if (int i = ShownSlot()) {
            Text3_TabOrder.Text = form_->doc.Slot(i).ComponentTabOrder;
            Changed();
        }
        return 0;
    }
    if (keyAscii == kKeyEnter) {
        Text3_TabOrder_Validate();
        return keyAscii;
    }
    bool passes = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == kKeyBackspace;
    return passes ? keyAscii : 0;
}

bool Inspector::Text3_TabOrder_Validate() {
    int i = ShownSlot();
    if (i == 0) return true;
    DesignDocument& doc = form_->doc;
    const std::string text = Text3_TabOrder.Text;
    const std::string stored = doc.Slot(i).ComponentTabOrder;
    if (text.find_first_not_of(' ') == std::string::npos) {
        Reject(Text3_TabOrder, InspectorControl::Text3_TabOrder, stored, "Tab Order is empty.",
               kOrderTitle);
        return false;
    }
    // Tab orders are 16-bit: a larger one, or one whose renumbering would push another past
    // the limit, is refused instead of overflowing.
    double n = ValUnbounded(text);
    bool inRange = n >= kInt16Min && n <= kInt16Max;
    DesignChange change("Change Tab Order of " + doc.Slot(i).ComponentName);
    if (!inRange || (text != stored && !RenumberTabOrders(change, i, n))) {
        Reject(Text3_TabOrder, InspectorControl::Text3_TabOrder, stored, "Tab Order is too large.",
               kOrderTitle);
        return false;
    }
    if (text != stored) doc.isModified = true;
    // The renumbering of the others and the new tab order are one step.
    change.SetField(doc, i, SlotField::TabOrder, text);
    form_->Record(std::move(change));
    form_->TreeView1_Select(Text3_Name.Text);
    Changed();
    return true;
}

// The other live components make room for tab order n: walking them in ascending order, each
// at or above n is raised by one when it equals n or when another one holds its value (raised
// values counting with their new value). Nothing is written when a value would pass 32767.
bool Inspector::RenumberTabOrders(DesignChange& change, int slot, double n) {
    DesignDocument& doc = form_->doc;
    std::vector<int> keys, slots;
    for (int j = 1; j <= doc.Objects_Count(); ++j) {
        if (j == slot || !doc.IsLive(j)) continue;
        keys.push_back(TabOrderValue(doc.Slot(j).ComponentTabOrder));
        slots.push_back(j);
    }
    if (keys.empty()) return true;
    Sort_Pairs(keys, slots);
    // Sorted, the values come in groups of equal ones. When a group's turn comes, it holds its
    // own members and those raised into it from the group one below; each member but the last
    // still shares its value and is raised, and the last one is raised when it equals n or
    // shares its value with members raised into it.
    int previousValue = 0;
    size_t previousRaised = 0;
    for (size_t first = 0; first < keys.size();) {
        const int v = keys[first];
        size_t end = first;
        while (end < keys.size() && keys[end] == v) ++end;
        if (n > v) {
            first = end;
            continue;
        }
        const size_t raisedInto = previousRaised > 0 && previousValue == v - 1 ? previousRaised : 0;
        const bool lastRaised = n == v || raisedInto > 0;
        const size_t raised = end - first - (lastRaised ? 0 : 1);
        for (size_t k = first; k < first + raised; ++k) ++keys[k];
        previousValue = v;
        previousRaised = raised;
        first = end;
    }
    if (*std::max_element(keys.begin(), keys.end()) > kInt16Max) return false;
    for (size_t k = 0; k < keys.size(); ++k) {
        std::string text = std::to_string(keys[k]);
        change.SetField(doc, slots[k], SlotField::TabOrder, std::move(text));
    }
    return true;
}

bool Inspector::Text3_TabOrder_LostFocus() {
    if (!Text3_TabOrder_Validate()) return false;
    if (Focus == InspectorControl::Text3_TabOrder) Focus = InspectorControl::None;
    return true;
}

// ---------------------------------------------------------------- keys

void Inspector::List1_KeyDown(int keyCode) {
    if (keyCode != kKeyDelete || !form_ || !form_->Loaded()) return;
    form_->OptionControlDelete_Click();
    form_->Corners_Show(false);
    form_->NotifyChanged();
    Changed();
}

void Inspector::Picture_Properties_KeyDown(int keyCode) {
    // The page with the focus deletes as the design surface does.
    if (keyCode != kKeyDelete || !form_ || !form_->Loaded()) return;
    form_->Form_KeyDown(kKeyDelete, 0);
    Changed();
}

// ---------------------------------------------------------------- tab headers

void Inspector::ShowPage(int k) {
    Picture_Properties.Visible = k == 1;
    EventsPage.Visible = k == 2;
    Picture_Popup.Visible = k == 3;
}

void Inspector::LabelToolbar2_Click(int k) {
    if (k < 1 || k > 3) return;
    for (int f = 1; f <= 3; ++f)
        ShapeToolbar2[f] = ShapeState{f == k ? kChosenFace : kOtherFace, kShapeBorder};
    ShowPage(k);
    Changed();
}

void Inspector::Label_Tab_Click(int k) {
    if (k < 1 || k > 3) return;
    ShowPage(k);
    Presiona_Tab(k);
}

void Inspector::Presiona_Tab(int k) {
    for (int f = 1; f <= 3; ++f) {
        ShapeTab1[f].FillColor = f == k ? kChosenFace : kStripOtherFace;
        Line_Tab0[f].Visible = Line_Tab1[f].Visible = f != k;
    }
    if (k == 1) {
        const TwipRect* face = ShapeTab1Face;
        auto right = [&](int f) { return face[f].Left + face[f].Width; };
        auto place = [&](LineState& line, double x1, double x2, double y) {
            line.X1 = x1;
            line.X2 = x2;
            line.Y1 = line.Y2 = y;
        };
        double y0 = face[1].Top + face[1].Height;
        double y1 = y0 + kEdgeLine;
        place(Line_Tab0[1], face[1].Left, face[2].Left, y0);
        place(Line_Tab1[1], face[1].Left, face[2].Left, y1);
        place(Line_Tab0[2], face[2].Left - kEdgeLine, right(2) + kEdgeLine, y0);
        place(Line_Tab1[2], right(1), face[3].Left, y1);
        place(Line_Tab0[3], right(2), right(3), y0);
        place(Line_Tab1[3], right(2), right(3), y1);
    }
    Changed();
}

// ---------------------------------------------------------------- Events and Popup pages

void Inspector::FillEventPages(int slot) {
    const ComponentRecord& r = form_->doc.Slot(slot);
    List_Events.Enabled = true;
    List_Events.Clear();
    Combo4_when.Clear();
    Combo4_when.AddItem(kNone);
    if (catalogue_) {
        for (std::string_view method :
             catalogue_->Methods_For_Class(Type_To_Java_Class(r.ComponentType))) {
            List_Events.AddItem(std::string(method));
            Combo4_when.AddItem(std::string(method));
        }
    }
    for (const std::string& name : Split(r.ComponentEvents, '|'))
        for (size_t k = 0; k < List_Events.Items.size(); ++k)
            if (List_Events.Items[k] == name) List_Events.Checked[k] = true;
    List_Events.ListIndex = List_Events.Items.empty() ? -1 : 0;

    Combo4_Popup.Enabled = Text4_Name.Enabled = Combo4_when.Enabled = CmdClearPopup_Enabled = true;
    FillPopupKinds(r.ComponentType.starts_with('J'));
    if (r.ComponentPopup.empty()) {
        Combo4_when.ListIndex = -1;
        Text4_Name.Text.clear();
        return;
    }
    std::vector<std::string> fields = Split(r.ComponentPopup, ',');
    Combo4_Popup.ListIndex = Combo4_Popup.Find(Field(fields, 0));
    Text4_Name.Text = Field(fields, 1);
    Combo4_when.ListIndex = Combo4_when.Find(Field(fields, 2));
}

void Inspector::StorePopupPage(int slot) {
    DesignDocument& doc = form_->doc;
    const std::string& popup = doc.Slot(slot).ComponentPopup;
    const std::string kind = Combo4_Popup.Text();
    const std::string trigger = Combo4_when.Text();
    const std::string& name = Text4_Name.Text;
    bool differs;
    if (popup.empty()) {
        differs = !kind.empty() || !name.empty() || !trigger.empty();
    } else {
        std::vector<std::string> fields = Split(popup, ',');
        differs =
            Field(fields, 0) != kind || Field(fields, 1) != name || Field(fields, 2) != trigger;
    }
    if (!differs) return;
    doc.isModified = true;
    doc.MutableSlot(slot).ComponentPopup = (kind.empty() ? kNone : kind) + "," + TrimSpaces(name) +
                                           "," + (trigger.empty() ? kNone : trigger);
}

void Inspector::ClearEventPages() {
    List_Events.Clear();
    List_Events.Enabled = false;
    Combo4_Popup.ListIndex = -1;
    Text4_Name.Text.clear();
    Combo4_when.Clear();
    Combo4_Popup.Enabled = Text4_Name.Enabled = Combo4_when.Enabled = CmdClearPopup_Enabled = false;
}

// ---------------------------------------------------------------- page edits

std::string EventsFromChecks(const ListState& list, std::string_view stored) {
    std::string events;
    auto add = [&events](const std::string& name) {
        if (!events.empty()) events += '|';
        events += name;
    };
    for (size_t k = 0; k < list.Items.size(); ++k)
        if (list.Checked[k]) add(list.Items[k]);
    for (const std::string& name : Split(stored, '|'))
        if (!name.empty() && list.Find(name) < 0) add(name);
    return events;
}

void Inspector::List_Events_ItemCheck(int row, bool checked) {
    int i = ShownSlot();
    if (i == 0 || row < 0 || row >= static_cast<int>(List_Events.Items.size())) return;
    List_Events.Checked[static_cast<size_t>(row)] = checked;
    EditComponentEvents(*form_, i,
                        EventsFromChecks(List_Events, form_->doc.Slot(i).ComponentEvents));
    Changed();
}

std::string Inspector::PopupFromPage() const {
    const std::string kind = Combo4_Popup.Text();
    const std::string trigger = Combo4_when.Text();
    const std::string name = TrimSpaces(Text4_Name.Text);
    if (kind.empty() || kind == kNone || trigger.empty() || trigger == kNone || name.empty())
        return {};
    return kind + "," + name + "," + trigger;
}

std::string Inspector::StoredPopupName(int slot) const {
    const std::string& popup = form_->doc.Slot(slot).ComponentPopup;
    return popup.empty() ? std::string() : Field(Split(popup, ','), 1);
}

bool Inspector::WritePopupBinding() {
    int i = ShownSlot();
    if (i == 0) return true;
    std::string binding = PopupFromPage();
    if (!binding.empty() && catalogue_) {
        std::string fault = PopupClassFault(TrimSpaces(Text4_Name.Text), *catalogue_);
        if (!fault.empty()) {
            Reject(Text4_Name, InspectorControl::Text4_Name, StoredPopupName(i), fault,
                   kPopupTitle);
            return false;
        }
    }
    EditComponentPopup(*form_, i, std::move(binding));
    Changed();
    return true;
}

void Inspector::Combo4_Popup_Click() {
    WritePopupBinding();
}

void Inspector::Combo4_when_Click() {
    WritePopupBinding();
}

int Inspector::Text4_Name_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEscape) {
        if (int i = ShownSlot()) {
            Text4_Name.Text = StoredPopupName(i);
            Changed();
        }
        return 0;
    }
    if (keyAscii == kKeyEnter) Text4_Name_Validate();
    return keyAscii;
}

bool Inspector::Text4_Name_Validate() {
    return WritePopupBinding();
}

bool Inspector::Text4_Name_LostFocus() {
    if (!Text4_Name_Validate()) return false;
    if (Focus == InspectorControl::Text4_Name) Focus = InspectorControl::None;
    return true;
}

void Inspector::CmdClearPopup_Click() {
    int i = ShownSlot();
    if (i == 0) return;
    Combo4_Popup.ListIndex = -1;
    Text4_Name.Text.clear();
    Combo4_when.ListIndex = -1;
    EditComponentPopup(*form_, i, "");
    Changed();
}

}  // namespace korvane
