// The property inspector of the main window's right panel: the component chosen in the
// component list shown on three pages (Properties, Events, Popup) and edited on the first.
//
// The controls are held as plain state (texts, items, selection, enabled, focus) so that a
// view only mirrors them and forwards the user's keys, edits and clicks to the handlers.
// ShownIndex names the slot shown; every edit handler does nothing while it is "".
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Canvas.h"

namespace korvane {

class DesignChange;
class DocumentController;
struct ComponentRecord;
class ComponentListBox;
class EventCatalogue;

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

struct TextBoxState {
    std::string Text;
    bool Enabled = false;
    int SelStart = 0;
    int SelLength = 0;
};

// A drop-down list or a list box; Checked is used only by the check list of the Events page.
struct ListState {
    std::vector<std::string> Items;
    std::vector<bool> Checked;
    int ListIndex = -1;  // -1 = no selection
    bool Enabled = false;

    void Clear();
    void AddItem(std::string item);
    // The selected item, or "".
    std::string Text() const;
    // The first item equal to text, or -1.
    int Find(const std::string& text) const;
};

struct ShapeState {
    Rgb FillColor{224, 224, 224};
    Rgb BorderColor{192, 192, 192};
};

struct LabelState {
    std::string Caption;
    bool Visible = true;
};

struct TwipRect {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};

// A tab page; the main window places the pages and sets their heights.
struct PageState {
    bool Visible = false;
};

struct LineState {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = true;
};

enum class InspectorControl {
    None,
    NameBox,
    TypeList,
    ValueBox,
    TabOrderBox,
    PropertiesPage,
    EventList,
    PopupKindList,
    PopupClassBox,
    PopupTriggerList,
    CmdClearPopup,
};

// The tab header above the pages, in the right panel, twips.
inline constexpr double kTabHeaderTop = 2340;
inline constexpr double kTabHeaderHeight = 330;

// The events a check list stands for: the checked entries in the list's order, followed by
// the names of `stored` (joined by "|") that the list does not offer, which are kept.
std::string EventsFromChecks(const ListState& list, std::string_view stored);

class Inspector {
  public:
    Inspector();

    void Attach(DocumentController& form, ComponentListBox& componentList,
                const EventCatalogue& catalogue);
    // The main window's start-up steps for the inspector: the Properties tab chosen and
    // shown, the Type list and the popup-kind list filled.
    void StartUp(std::span<const std::string> typeDisplayNames);

    // Clears and disables the inspector (nothing shown).
    void ClearInspector();
    // Shows the component of the list's selected entry (the list's click).
    void Load();
    // The slot shown, 0 = none.
    int ShownSlot() const;

    // --- Properties page; a view puts the user's text into the state, then calls these ---
    // Each KeyPress returns the key to let through, 0 when it is swallowed.
    int NameKeyPress(int keyAscii);
    // Whether the name was accepted; a refusal keeps the focus in the box.
    bool ValidateName();
    // The focus is about to leave the box: false when it must stay.
    bool NameLosesFocus();
    void ValueChanged();
    // Enter in the value box, or the focus leaving it: the typing so far is one step, and the
    // next typing starts another.
    void ValueTypingEnds();
    // Whether the box holds typing the design does not have yet (the value box never does: it
    // writes every change at once).
    bool HasPendingTyping(InspectorControl box) const;
    // Before Undo and Redo act on the design: the typing of the box with the focus is committed
    // as Enter would. False when it was refused (the message said why).
    bool CommitTyping();
    // The Type list's selection changed (the user's choice is already in TypeList).
    void TypeChosen();
    int TabOrderKeyPress(int keyAscii);
    bool ValidateTabOrder();
    bool TabOrderLosesFocus();
    void GotFocus(InspectorControl control) { Focus = control; }

    void ComponentListKeyDown(int keyCode);
    void PropertiesPageKeyDown(int keyCode);

    // --- tab headers ---
    void TabHeaderClicked(int k);
    void StripTabClicked(int k);
    void PressTab(int k);

    // --- Events and Popup pages ---
    // Both pages show all the record holds: the Events page the events the class offers, then
    // the stored ones it does not offer (checked, to be unchecked and so removed), with the
    // popup binding's trigger checked for good; the Popup page the binding as stored, complete
    // or not, its kind or trigger added to the lists when the class does not offer it.
    void FillEventPages(int slot);
    void ClearEventPages();
    // An event was checked or unchecked: the record's events become the checked names in
    // the page's order. The popup trigger's row does not change.
    void EventChecked(int row, bool checked);
    // The popup kind or trigger was chosen (already in the list's state), or the name
    // confirmed: the record's binding follows the page, an incomplete one too. A name that is
    // not a usable Java class is refused with a message and the box gets the stored name back.
    void PopupKindChosen();
    void PopupTriggerChosen();
    int PopupClassKeyPress(int keyAscii);
    bool ValidatePopupClass();
    bool PopupClassLosesFocus();
    // Removes the binding and empties the page.
    void ClearPopup();
    // The binding the page shows: "kind,name,trigger" with "(None)" for a kind or trigger not
    // chosen, or "" when nothing is chosen or typed.
    std::string PopupFromPage() const;

    // Properties page.
    TextBoxState NameBox, ValueBox, TabOrderBox;
    ListState TypeList;
    std::string ShownIndex;
    PageState PropertiesPage;
    // Events page: the check list, and its place and visibility. Its first OfferedEvents rows
    // are the events the class offers; TriggerRow is the popup trigger's row, or -1.
    ListState EventList;
    int OfferedEvents = 0;
    int TriggerRow = -1;
    PageState EventsPage;
    // Popup page.
    PageState PopupPage;
    ListState PopupKindList, PopupTriggerList;
    TextBoxState PopupClassBox;
    bool ClearPopupEnabled = false;
    // What the Popup page says of the binding it shows: "" for a complete binding the class can
    // write, or why generation leaves it out.
    std::string PopupNotice;
    // With several components selected, which one the Popup page edits; else "".
    std::string SelectionNotice;
    // With several components selected, how many, and which boxes change all of them (the
    // kind, the value and the events) and which the shown one alone; else "".
    std::string GroupNotice;

    // Visible tab header: 0 "Components", 1..3 the tabs, shape 4 the background.
    LabelState TabHeaderLabels[4];
    ShapeState TabHeaderShapes[5];
    // Hidden tab strip drawn by PressTab: faces and edge-line pairs 1..3 (0 unused).
    ShapeState StripTabShapes[4];
    LineState StripTabUpperEdges[4], StripTabLowerEdges[4];
    TwipRect StripTabFaces[4];

    // The control with the keyboard focus; a refused edit moves it back to its box and
    // counts a request, for a view to put the focus and the selection there.
    InspectorControl Focus = InspectorControl::None;
    unsigned FocusRequests = 0;

    // Called after every change of the state, so that a view can show it again.
    std::function<void()> OnChanged;

  private:
    void Changed();
    void ShowPage(int k);
    void FillPopupKinds(bool swing);
    void Reject(TextBoxState& box, InspectorControl control, const std::string& stored,
                const std::string& text, const std::string& title);
    bool RenumberTabOrders(DesignChange& change, int slot, double n);
    bool WritePopupBinding();
    std::string StoredPopupName(int slot) const;
    // What a kind, value or event change applies to: every selected component when the shown
    // one is among several selected, else the shown one.
    std::vector<int> EditedSlots() const;
    // After a kind change: the events and popup trigger the new kind does not offer, said of
    // the shown component, and how many of the others changed with it keep such events.
    void WarnOfUnofferedEvents(int slot, const std::string& oldClass,
                               const std::vector<std::pair<int, std::string>>& others);
    bool KeepsUnofferedEvents(int slot, const std::string& oldClass) const;
    std::string UnofferedEventsText(const ComponentRecord& r,
                                    const std::vector<std::string>& lost) const;
    // Another selected component's events after the shown one's row for `event` was checked
    // or unchecked: an event its kind does not offer is not added, and its popup trigger stays
    // as it is.
    std::string EventsAfterCheck(int slot, const std::string& event, bool checked) const;

    DocumentController* form_ = nullptr;
    ComponentListBox* componentList_ = nullptr;
    const EventCatalogue* catalogue_ = nullptr;
};

}  // namespace korvane
