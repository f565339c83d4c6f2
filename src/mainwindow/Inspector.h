// The property inspector of the main window's right panel: the component chosen in the
// component list shown on three pages (Properties, Events, Popup) and edited on the first.
//
// The controls are held as plain state (texts, items, selection, enabled, focus) so that a
// view only mirrors them and forwards the user's keys, edits and clicks to the handlers.
// Text3_Index names the slot shown; every edit handler does nothing while it is "".
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"

namespace korvane {

class DesignChange;
class Form1;
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
    Text3_Name,
    Combo3_Type,
    Text3_Value,
    Text3_TabOrder,
    Picture_Properties,
    List_Events,
    Combo4_Popup,
    Text4_Name,
    Combo4_when,
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

    void Attach(Form1& form, ComponentListBox& list1, const EventCatalogue& catalogue);
    // The main window's start-up steps for the inspector: the Properties tab chosen and
    // shown, the Type list and the popup-kind list filled.
    void Form_Start(std::span<const std::string> typeDisplayNames);

    // Clears and disables the inspector (nothing shown).
    void Inicializa_VentanaPropiedades();
    // Shows the component of the list's selected entry (the list's click).
    void Load();
    // The slot shown, 0 = none.
    int ShownSlot() const;

    // --- Properties page; a view puts the user's text into the state, then calls these ---
    // Each KeyPress returns the key to let through, 0 when it is swallowed.
    int Text3_Name_KeyPress(int keyAscii);
    // Whether the name was accepted; a refusal keeps the focus in the box.
    bool Text3_Name_Validate();
    // The focus is about to leave the box: false when it must stay.
    bool Text3_Name_LostFocus();
    void Text3_Value_Change();
    // The Type list's selection changed (the user's choice is already in Combo3_Type).
    void Combo3_Type_Click();
    int Text3_TabOrder_KeyPress(int keyAscii);
    bool Text3_TabOrder_Validate();
    bool Text3_TabOrder_LostFocus();
    void GotFocus(InspectorControl control) { Focus = control; }

    void List1_KeyDown(int keyCode);
    void Picture_Properties_KeyDown(int keyCode);

    // --- tab headers ---
    void LabelToolbar2_Click(int k);
    void Label_Tab_Click(int k);
    void Presiona_Tab(int k);

    // --- Events and Popup pages ---
    void FillEventPages(int slot);
    // The kind change's store of the Popup page into the record.
    void StorePopupPage(int slot);
    void ClearEventPages();
    // An event was checked or unchecked: the record's events become the checked names in
    // the page's order, followed by the stored names the page does not offer.
    void List_Events_ItemCheck(int row, bool checked);
    // The popup kind or trigger was chosen (already in the list's state), or the name
    // confirmed: the record's binding follows the page. A name that is not a usable Java
    // class is refused with a message and the box gets the stored name back.
    void Combo4_Popup_Click();
    void Combo4_when_Click();
    int Text4_Name_KeyPress(int keyAscii);
    bool Text4_Name_Validate();
    bool Text4_Name_LostFocus();
    // Removes the binding and empties the page.
    void CmdClearPopup_Click();
    // The binding the page shows: "kind,name,trigger", or "" when it binds nothing.
    std::string PopupFromPage() const;

    // Properties page.
    TextBoxState Text3_Name, Text3_Value, Text3_TabOrder;
    ListState Combo3_Type;
    std::string Text3_Index;
    PageState Picture_Properties;
    // Events page: the check list, and its place and visibility.
    ListState List_Events;
    PageState EventsPage;
    // Popup page.
    PageState Picture_Popup;
    ListState Combo4_Popup, Combo4_when;
    TextBoxState Text4_Name;
    bool CmdClearPopup_Enabled = false;

    // Visible tab header: 0 "Components", 1..3 the tabs, shape 4 the background.
    LabelState LabelToolbar2[4];
    ShapeState ShapeToolbar2[5];
    // Hidden tab strip drawn by Presiona_Tab: faces and edge-line pairs 1..3 (0 unused).
    ShapeState ShapeTab1[4];
    LineState Line_Tab0[4], Line_Tab1[4];
    TwipRect ShapeTab1Face[4];

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

    Form1* form_ = nullptr;
    ComponentListBox* list1_ = nullptr;
    const EventCatalogue* catalogue_ = nullptr;
};

}  // namespace korvane
