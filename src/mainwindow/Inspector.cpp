#include "mainwindow/Inspector.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "codegen/EventCatalogue.h"
#include "codegen/GenerationChecks.h"
#include "codegen/JavaText.h"
#include "codegen/Listeners.h"
#include "document/ComponentKinds.h"
#include "document/DesignEdits.h"
#include "document/DocumentController.h"
#include "document/PopupBinding.h"
#include "platform/Conversions.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr Rgb kChosenFace{192, 192, 192};
constexpr Rgb kOtherFace{224, 224, 224};
constexpr Rgb kStripOtherFace{208, 208, 208};
constexpr Rgb kShapeBorder{192, 192, 192};
constexpr double kEdgeLine = 15;  // twips: one pixel
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

// A kind or trigger list of the popup page with nothing chosen stands for "(None)".
std::string_view PageChoice(const std::string& text) {
    return text.empty() ? kNoPopupField : std::string_view(text);
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
    for (int k = 0; k < 4; ++k) TabHeaderLabels[k].Caption = captions[k];
    TabHeaderShapes[0].FillColor = TabHeaderShapes[1].FillColor = kChosenFace;
    PropertiesPage.Visible = true;
    for (int k = 1; k <= 3; ++k) StripTabFaces[k] = TwipRect{60 + (k - 1) * 1050.0, 60, 1005, 300};
}

void Inspector::Attach(DocumentController& form, ComponentListBox& componentList,
                       const EventCatalogue& catalogue) {
    form_ = &form;
    componentList_ = &componentList;
    catalogue_ = &catalogue;
}

void Inspector::StartUp(std::span<const std::string> typeDisplayNames) {
    PressTab(1);
    for (int k = 1; k <= 3; ++k) TabHeaderShapes[k].BorderColor = kShapeBorder;
    ShowPage(1);
    TypeList.Clear();
    for (const std::string& name : typeDisplayNames) TypeList.AddItem(name);
    FillPopupKinds(false);
    Changed();
}

void Inspector::FillPopupKinds(bool swing) {
    PopupKindList.Clear();
    PopupKindList.AddItem(std::string(kNoPopupField));
    PopupKindList.AddItem(swing ? "JDialog" : "Dialog");
    PopupKindList.AddItem(swing ? "JFrame" : "Frame");
}

void Inspector::Changed() {
    if (OnChanged) OnChanged();
}

int Inspector::ShownSlot() const {
    if (!form_ || ShownIndex.empty()) return 0;
    // Slot numbers pass 32767 in a design that has deleted components.
    int i = 0;
    const auto [end, error] =
        std::from_chars(ShownIndex.data(), ShownIndex.data() + ShownIndex.size(), i);
    if (error != std::errc() || end != ShownIndex.data() + ShownIndex.size()) return 0;
    return form_->doc.IsSlot(i) ? i : 0;
}

// ---------------------------------------------------------------- clear and load

void Inspector::ClearInspector() {
    ShownIndex.clear();
    NameBox = TextBoxState{};
    ValueBox = TextBoxState{};
    if (!TypeList.Items.empty() && TypeList.ListIndex != 0) {
        TypeList.ListIndex = 0;
        TypeChosen();
    }
    TabOrderBox = TextBoxState{};
    TypeList.Enabled = false;
    ClearEventPages();
    if (Focus != InspectorControl::None && Focus != InspectorControl::PropertiesPage)
        Focus = InspectorControl::None;
    Changed();
}

void Inspector::Load() {
    if (!form_ || !componentList_) return;
    const ComponentListBox& list = *componentList_;
    if (list.ListIndex < 0 || list.ListIndex >= list.ListCount()) return;
    DesignDocument& doc = form_->doc;
    // The entry names a live component.
    int i = doc.LiveSlotOfName(EntryName(list.List(list.ListIndex)));
    if (i == 0) return;
    form_->selection.SelectSlot(i);
    TypeList.Enabled = true;
    const ComponentRecord& r = doc.Slot(i);
    ShownIndex = std::to_string(i);
    NameBox = TextBoxState{r.ComponentName, true};
    ValueBox = TextBoxState{r.ComponentValue, true};
    int row = TypeList.Find(DisplayNameOfType(r.ComponentType));
    if (row >= 0 && row != TypeList.ListIndex) {
        TypeList.ListIndex = row;
        TypeChosen();
    }
    TabOrderBox = TextBoxState{doc.Slot(i).ComponentTabOrder, true};
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
    form_->doc.MouseIsDown = false;
    form_->selection.ShowHandles(false);
    form_->NotifyChanged();
    Changed();
}

int Inspector::NameKeyPress(int keyAscii) {
    if (keyAscii == ' ') return 0;
    if (keyAscii == kKeyEscape) {
        if (int i = ShownSlot()) {
            NameBox.Text = form_->doc.Slot(i).ComponentName;
            Changed();
        }
        return 0;
    }
    if (keyAscii == kKeyEnter) ValidateName();
    return keyAscii;
}

bool Inspector::ValidateName() {
    int i = ShownSlot();
    if (i == 0) return true;
    DesignDocument& doc = form_->doc;
    const std::string text = NameBox.Text;
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
        Reject(NameBox, InspectorControl::NameBox, stored, refusal, kNameTitle);
        return false;
    }
    DesignChange change("Rename " + stored);
    change.SetField(doc, i, SlotField::Name, text);
    form_->editor.Record(std::move(change));
    form_->list.RefreshListEntry(i);
    form_->list.SelectListEntry(text);
    Changed();
    return true;
}

bool Inspector::NameLosesFocus() {
    if (!ValidateName()) return false;
    if (Focus == InspectorControl::NameBox) Focus = InspectorControl::None;
    return true;
}

std::vector<int> Inspector::EditedSlots() const {
    const int i = ShownSlot();
    if (i == 0) return {};
    if (form_->doc.Selected.Count() < 2 || !form_->doc.Selected.Contains(i)) return {i};
    return form_->selection.SelectedSlots();
}

void Inspector::ValueChanged() {
    const std::vector<int> slots = EditedSlots();
    if (slots.empty()) return;
    DesignDocument& doc = form_->doc;
    // Typing into the box is one step until another edit comes between.
    DesignChange change("Edit Value of " + EditedComponents(doc, slots[0], slots.size()),
                        MergeKind::ValueTyping);
    for (int s : slots) change.SetField(doc, s, SlotField::Value, ValueBox.Text);
    form_->editor.Record(std::move(change));
    for (int s : slots) form_->NotifyComponentChanged(s);
    Changed();
}

void Inspector::ValueTypingEnds() {
    if (form_) form_->EndMerging();
}

bool Inspector::HasPendingTyping(InspectorControl box) const {
    const int i = ShownSlot();
    if (i == 0) return false;
    const ComponentRecord& r = form_->doc.Slot(i);
    switch (box) {
        case InspectorControl::NameBox:
            return NameBox.Text != r.ComponentName;
        case InspectorControl::TabOrderBox:
            return TabOrderBox.Text != r.ComponentTabOrder;
        case InspectorControl::PopupClassBox:
            return PopupClassBox.Text != StoredPopupName(i);
        default:
            return false;
    }
}

bool Inspector::CommitTyping() {
    if (!HasPendingTyping(Focus)) return true;
    switch (Focus) {
        case InspectorControl::NameBox:
            return ValidateName();
        case InspectorControl::TabOrderBox:
            return ValidateTabOrder();
        case InspectorControl::PopupClassBox:
            return ValidatePopupClass();
        default:
            return true;
    }
}

void Inspector::TypeChosen() {
    int i = ShownSlot();
    if (i == 0 || TypeList.ListIndex < 0) return;
    std::string tag = TypeOfDisplayName(TypeList.Text());
    DesignDocument& doc = form_->doc;
    // The list showing the shown component's own kind changes nothing, not even with others.
    if (tag == doc.Slot(i).ComponentType) return;
    const std::string oldClass = JavaClassOfType(doc.Slot(i).ComponentType);
    std::vector<int> slots;
    std::vector<std::pair<int, std::string>> others;  // with their classes before
    for (int s : EditedSlots()) {
        if (doc.Slot(s).ComponentType == tag) continue;
        slots.push_back(s);
        if (s != i) others.emplace_back(s, JavaClassOfType(doc.Slot(s).ComponentType));
    }
    DesignChange change("Change Type of " + EditedComponents(doc, slots[0], slots.size()));
    for (int s : slots) change.SetField(doc, s, SlotField::Type, tag);
    ValidateName();
    form_->editor.Record(std::move(change));
    // The new kind's class offers other events and popup kinds; the events and the binding stay
    // as they are, and what the new class does not offer is said.
    FillEventPages(i);
    WarnOfUnofferedEvents(i, oldClass, others);
    form_->NotifyChanged();
    Changed();
}

int Inspector::TabOrderKeyPress(int keyAscii) {
    if (keyAscii == kKeyEscape) {
        if (int i = ShownSlot()) {
            TabOrderBox.Text = form_->doc.Slot(i).ComponentTabOrder;
            Changed();
        }
        return 0;
    }
    if (keyAscii == kKeyEnter) {
        ValidateTabOrder();
        return keyAscii;
    }
    bool passes = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == kKeyBackspace;
    return passes ? keyAscii : 0;
}

bool Inspector::ValidateTabOrder() {
    int i = ShownSlot();
    if (i == 0) return true;
    DesignDocument& doc = form_->doc;
    const std::string text = TabOrderBox.Text;
    const std::string stored = doc.Slot(i).ComponentTabOrder;
    if (text.find_first_not_of(' ') == std::string::npos) {
        Reject(TabOrderBox, InspectorControl::TabOrderBox, stored, "Tab Order is empty.",
               kOrderTitle);
        return false;
    }
    // Tab orders are 16-bit: a larger one, or one whose renumbering would push another past
    // the limit, is refused instead of overflowing.
    double n = ValUnbounded(text);
    bool inRange = n >= kInt16Min && n <= kInt16Max;
    DesignChange change("Change Tab Order of " + doc.Slot(i).ComponentName);
    if (!inRange || (text != stored && !RenumberTabOrders(change, i, n))) {
        Reject(TabOrderBox, InspectorControl::TabOrderBox, stored, "Tab Order is too large.",
               kOrderTitle);
        return false;
    }
    // The renumbering of the others and the new tab order are one step.
    change.SetField(doc, i, SlotField::TabOrder, text);
    form_->editor.Record(std::move(change));
    form_->list.SelectListEntry(NameBox.Text);
    Changed();
    return true;
}

// The other live components make room for tab order n: walking them in ascending order, each
// at or above n is raised by one when it equals n or when another one holds its value (raised
// values counting with their new value). Nothing is written when a value would pass 32767.
bool Inspector::RenumberTabOrders(DesignChange& change, int slot, double n) {
    DesignDocument& doc = form_->doc;
    std::vector<int> keys, slots;
    for (int j = 1; j <= doc.SlotCount(); ++j) {
        if (j == slot || !doc.IsLive(j)) continue;
        keys.push_back(TabOrderValue(doc.Slot(j).ComponentTabOrder));
        slots.push_back(j);
    }
    if (keys.empty()) return true;
    SortPairs(keys, slots);
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

bool Inspector::TabOrderLosesFocus() {
    if (!ValidateTabOrder()) return false;
    if (Focus == InspectorControl::TabOrderBox) Focus = InspectorControl::None;
    return true;
}

// ---------------------------------------------------------------- keys

void Inspector::ComponentListKeyDown(int keyCode) {
    if (keyCode != kKeyDelete || !form_ || !form_->Loaded()) return;
    form_->editor.DeleteSelection();
    form_->selection.ShowHandles(false);
    form_->NotifyChanged();
    Changed();
}

void Inspector::PropertiesPageKeyDown(int keyCode) {
    // The page with the focus deletes as the design surface does.
    if (keyCode != kKeyDelete || !form_ || !form_->Loaded()) return;
    form_->WindowKeyDown(kKeyDelete, 0);
    Changed();
}

// ---------------------------------------------------------------- tab headers

void Inspector::ShowPage(int k) {
    PropertiesPage.Visible = k == 1;
    EventsPage.Visible = k == 2;
    PopupPage.Visible = k == 3;
}

void Inspector::TabHeaderClicked(int k) {
    if (k < 1 || k > 3) return;
    for (int f = 1; f <= 3; ++f)
        TabHeaderShapes[f] = ShapeState{f == k ? kChosenFace : kOtherFace, kShapeBorder};
    ShowPage(k);
    Changed();
}

void Inspector::StripTabClicked(int k) {
    if (k < 1 || k > 3) return;
    ShowPage(k);
    PressTab(k);
}

void Inspector::PressTab(int k) {
    for (int f = 1; f <= 3; ++f) {
        StripTabShapes[f].FillColor = f == k ? kChosenFace : kStripOtherFace;
        StripTabUpperEdges[f].Visible = StripTabLowerEdges[f].Visible = f != k;
    }
    if (k == 1) {
        const TwipRect* face = StripTabFaces;
        auto right = [&](int f) { return face[f].Left + face[f].Width; };
        auto place = [&](LineState& line, double x1, double x2, double y) {
            line.X1 = x1;
            line.X2 = x2;
            line.Y1 = line.Y2 = y;
        };
        double y0 = face[1].Top + face[1].Height;
        double y1 = y0 + kEdgeLine;
        place(StripTabUpperEdges[1], face[1].Left, face[2].Left, y0);
        place(StripTabLowerEdges[1], face[1].Left, face[2].Left, y1);
        place(StripTabUpperEdges[2], face[2].Left - kEdgeLine, right(2) + kEdgeLine, y0);
        place(StripTabLowerEdges[2], right(1), face[3].Left, y1);
        place(StripTabUpperEdges[3], right(2), right(3), y0);
        place(StripTabLowerEdges[3], right(2), right(3), y1);
    }
    Changed();
}

// ---------------------------------------------------------------- Events and Popup pages

namespace {

// Why generation leaves the binding out, or "" when it writes it.
std::string PopupNoticeOf(const PopupBinding& binding, const ListState& triggers,
                          int offeredTriggers) {
    const std::string trigger(binding.trigger);
    if (const std::string missing = MissingPopupFields(binding); !missing.empty())
        return "Incomplete: it needs " + missing + ". Generation leaves it out until then.";
    if (triggers.Find(trigger) > offeredTriggers)
        return "This kind of component does not offer " + trigger +
               ": generation leaves the binding out. Choose an event it offers.";
    return {};
}

bool HasPart(std::string_view joined, std::string_view part) {
    for (const std::string& piece : Split(joined, '|'))
        if (piece == part) return true;
    return false;
}

}  // namespace

void Inspector::FillEventPages(int slot) {
    const ComponentRecord& r = form_->doc.Slot(slot);
    EventList.Enabled = true;
    EventList.Clear();
    PopupTriggerList.Clear();
    PopupTriggerList.AddItem(std::string(kNoPopupField));
    if (catalogue_) {
        for (std::string_view method :
             catalogue_->MethodsForClass(JavaClassOfType(r.ComponentType))) {
            EventList.AddItem(std::string(method));
            PopupTriggerList.AddItem(std::string(method));
        }
    }
    OfferedEvents = static_cast<int>(EventList.Items.size());
    const DesignDocument& doc = form_->doc;
    const int selected = doc.Selected.Contains(slot) ? doc.Selected.Count() : 1;
    SelectionNotice = selected > 1 ? "Editing " + r.ComponentName + " of " +
                                         std::to_string(selected) + " selected"
                                   : std::string();
    GroupNotice = selected > 1 ? std::to_string(selected) +
                                     " selected: Type, Value and Events change all of them; "
                                     "Name and Tab Order change " +
                                     r.ComponentName + " alone."
                               : std::string();
    const int offeredTriggers = OfferedEvents;
    // A row for every stored name, the ones the class does not offer after the others.
    const auto row = [this](const std::string& name) {
        int k = EventList.Find(name);
        if (k < 0) {
            EventList.AddItem(name);
            k = static_cast<int>(EventList.Items.size()) - 1;
        }
        return static_cast<size_t>(k);
    };
    for (const std::string& name : Split(r.ComponentEvents, '|'))
        if (!name.empty()) EventList.Checked[row(name)] = true;
    const PopupBinding binding = PopupBinding::Read(r.ComponentPopup);
    // Generation registers a valid binding's trigger whether or not it is among the events.
    TriggerRow = -1;
    if (IsPopupBinding(r.ComponentPopup)) {
        TriggerRow = static_cast<int>(row(std::string(binding.trigger)));
        EventList.Checked[static_cast<size_t>(TriggerRow)] = true;
    }
    EventList.ListIndex = EventList.Items.empty() ? -1 : 0;

    PopupKindList.Enabled = PopupClassBox.Enabled = PopupTriggerList.Enabled = ClearPopupEnabled =
        true;
    FillPopupKinds(r.ComponentType.starts_with('J'));
    PopupNotice.clear();
    if (r.ComponentPopup.empty()) {
        PopupTriggerList.ListIndex = -1;
        PopupClassBox.Text.clear();
        return;
    }
    // A kind of the other family, or a trigger the class does not offer, is shown as stored.
    for (auto [list, value] : {std::pair{&PopupKindList, std::string(binding.kind)},
                               std::pair{&PopupTriggerList, std::string(binding.trigger)}}) {
        if (!value.empty() && list->Find(value) < 0) list->AddItem(value);
        list->ListIndex = list->Find(value);
    }
    PopupClassBox.Text = binding.className;
    PopupNotice = PopupNoticeOf(binding, PopupTriggerList, offeredTriggers);
}

bool Inspector::KeepsUnofferedEvents(int slot, const std::string& oldClass) const {
    if (!catalogue_) return false;
    const ComponentRecord& r = form_->doc.Slot(slot);
    const std::string newClass = JavaClassOfType(r.ComponentType);
    std::vector<std::string> names = Split(r.ComponentEvents, '|');
    if (IsPopupBinding(r.ComponentPopup))
        names.emplace_back(PopupBinding::Read(r.ComponentPopup).trigger);
    return std::any_of(names.begin(), names.end(), [&](const std::string& name) {
        return !name.empty() && catalogue_->ClassOffersMethod(oldClass, name) &&
               !catalogue_->ClassOffersMethod(newClass, name);
    });
}

void Inspector::WarnOfUnofferedEvents(int slot, const std::string& oldClass,
                                      const std::vector<std::pair<int, std::string>>& others) {
    const ComponentRecord& r = form_->doc.Slot(slot);
    std::vector<std::string> lost;
    for (size_t k = static_cast<size_t>(OfferedEvents); k < EventList.Items.size(); ++k)
        if (catalogue_ && catalogue_->ClassOffersMethod(oldClass, EventList.Items[k]))
            lost.push_back(EventList.Items[k]);
    const auto othersKeeping = std::count_if(others.begin(), others.end(), [&](const auto& o) {
        return KeepsUnofferedEvents(o.first, o.second);
    });
    if (lost.empty() && othersKeeping == 0) return;
    std::string text = lost.empty() ? std::string() : UnofferedEventsText(r, lost) + " ";
    if (othersKeeping > 0)
        text += std::to_string(othersKeeping) + " other selected " +
                (othersKeeping == 1 ? "component keeps" : "components keep") + " events a " +
                DisplayNameOfType(r.ComponentType) +
                " does not offer, shown on the Events page as not offered; generation leaves "
                "them out. ";
    text += others.empty() ? "Undo changes the kind back." : "Undo changes the kinds back.";
    form_->Messages().Show(Warning(text, "Component Type"));
}

std::string Inspector::UnofferedEventsText(const ComponentRecord& r,
                                           const std::vector<std::string>& lost) const {
    const std::string names = JoinedAsList(lost);
    const bool one = lost.size() == 1;
    std::string text = "A " + DisplayNameOfType(r.ComponentType) + " does not offer " + names +
                       ": " + (one ? "it stays" : "they stay") + " with " +
                       Quoted(r.ComponentName) +
                       ", shown on the Events page as not offered, but generation leaves " +
                       (one ? "it" : "them") + " out";
    if (TriggerRow >= OfferedEvents)
        text += ", and the popup binding that opens " + PopupClassBox.Text + " on " +
                EventList.Items[static_cast<size_t>(TriggerRow)] + " opens nothing";
    return text + ".";
}

void Inspector::ClearEventPages() {
    EventList.Clear();
    EventList.Enabled = false;
    OfferedEvents = 0;
    TriggerRow = -1;
    PopupNotice.clear();
    SelectionNotice.clear();
    GroupNotice.clear();
    PopupKindList.ListIndex = -1;
    PopupClassBox.Text.clear();
    PopupTriggerList.Clear();
    PopupKindList.Enabled = PopupClassBox.Enabled = PopupTriggerList.Enabled = ClearPopupEnabled =
        false;
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

void Inspector::EventChecked(int row, bool checked) {
    int i = ShownSlot();
    if (i == 0 || row < 0 || row >= static_cast<int>(EventList.Items.size())) return;
    // The binding registers its trigger: its row stays checked, and the record's events keep
    // or lack it as they did.
    if (row != TriggerRow) EventList.Checked[static_cast<size_t>(row)] = checked;
    const std::string& stored = form_->doc.Slot(i).ComponentEvents;
    ListState written = EventList;
    if (TriggerRow >= 0)
        written.Checked[static_cast<size_t>(TriggerRow)] =
            HasPart(stored, EventList.Items[static_cast<size_t>(TriggerRow)]);
    std::vector<std::pair<int, std::string>> events{{i, EventsFromChecks(written, stored)}};
    if (row != TriggerRow) {
        const std::string& event = EventList.Items[static_cast<size_t>(row)];
        for (int s : EditedSlots())
            if (s != i) events.emplace_back(s, EventsAfterCheck(s, event, checked));
    }
    EditComponentEvents(*form_, std::move(events));
    Changed();
}

std::string Inspector::EventsAfterCheck(int slot, const std::string& event, bool checked) const {
    const ComponentRecord& r = form_->doc.Slot(slot);
    if (IsPopupBinding(r.ComponentPopup) && PopupBinding::Read(r.ComponentPopup).trigger == event)
        return r.ComponentEvents;
    // The same list the Events page shows for it, so that its events keep the page's order.
    ListState list;
    if (catalogue_)
        for (std::string_view method :
             catalogue_->MethodsForClass(JavaClassOfType(r.ComponentType)))
            list.AddItem(std::string(method));
    for (size_t k = 0; k < list.Items.size(); ++k)
        list.Checked[k] = HasPart(r.ComponentEvents, list.Items[k]);
    std::string stored = r.ComponentEvents;
    const int row = list.Find(event);
    if (row >= 0) {
        list.Checked[static_cast<size_t>(row)] = checked;
    } else if (!checked) {
        // An event its kind does not offer goes when unchecked, and is never added.
        std::string kept;
        for (const std::string& name : Split(stored, '|'))
            if (name != event) kept += (kept.empty() ? "" : "|") + name;
        stored = std::move(kept);
    }
    return EventsFromChecks(list, stored);
}

std::string Inspector::PopupFromPage() const {
    const std::string kind = PopupKindList.Text();
    const std::string trigger = PopupTriggerList.Text();
    const std::string name = TrimSpaces(PopupClassBox.Text);
    const PopupBinding binding{PageChoice(kind), name, PageChoice(trigger)};
    // An incomplete binding is kept, and the page says what it lacks; a page with nothing chosen
    // binds nothing.
    if (binding.kind == kNoPopupField && binding.trigger == kNoPopupField && name.empty())
        return {};
    return binding.Text();
}

std::string Inspector::StoredPopupName(int slot) const {
    const std::string& popup = form_->doc.Slot(slot).ComponentPopup;
    return std::string(PopupBinding::Read(popup).className);
}

bool Inspector::WritePopupBinding() {
    int i = ShownSlot();
    if (i == 0) return true;
    std::string binding = PopupFromPage();
    if (!TrimSpaces(PopupClassBox.Text).empty() && catalogue_) {
        std::string fault = PopupClassFault(TrimSpaces(PopupClassBox.Text), *catalogue_);
        if (!fault.empty()) {
            Reject(PopupClassBox, InspectorControl::PopupClassBox, StoredPopupName(i), fault,
                   kPopupTitle);
            return false;
        }
    }
    // "(None)" chosen on an empty page stores nothing: the page keeps the choice, so that the
    // keyboard can step on through the list.
    if (binding == form_->doc.Slot(i).ComponentPopup) return true;
    EditComponentPopup(*form_, i, std::move(binding));
    FillEventPages(i);
    Changed();
    return true;
}

void Inspector::PopupKindChosen() {
    WritePopupBinding();
}

void Inspector::PopupTriggerChosen() {
    WritePopupBinding();
}

int Inspector::PopupClassKeyPress(int keyAscii) {
    if (keyAscii == kKeyEscape) {
        if (int i = ShownSlot()) {
            PopupClassBox.Text = StoredPopupName(i);
            Changed();
        }
        return 0;
    }
    if (keyAscii == kKeyEnter) ValidatePopupClass();
    return keyAscii;
}

bool Inspector::ValidatePopupClass() {
    return WritePopupBinding();
}

bool Inspector::PopupClassLosesFocus() {
    if (!ValidatePopupClass()) return false;
    if (Focus == InspectorControl::PopupClassBox) Focus = InspectorControl::None;
    return true;
}

void Inspector::ClearPopup() {
    int i = ShownSlot();
    if (i == 0) return;
    PopupKindList.ListIndex = -1;
    PopupClassBox.Text.clear();
    PopupTriggerList.ListIndex = -1;
    EditComponentPopup(*form_, i, "");
    FillEventPages(i);
    Changed();
}

}  // namespace korvane
