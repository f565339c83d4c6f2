// The one open design: its document fields and its component slots.
//
// Slots are numbered 1..SlotCount in creation order (slot 0 is never a component). A
// deleted component only has its box hidden; its slot and strings stay until the design is
// emptied. Indexes of the used names and of the live tab orders are kept in step with the
// slots so that finding a free name or the next tab order never walks every slot.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/OpenHashTable.h"

namespace korvane {

// The live components a design holds at most, as its file holds at most 32767 sections.
inline constexpr int kMaxSlots = 32767;
// The slots a design holds at most while it stays open, the deleted ones included (a file
// opened afresh has no deleted ones).
inline constexpr int kMaxSlotNumbers = 1 << 20;
inline constexpr const char* kTooManyDeletedMessage =
    "The design holds too many deleted components: save it and open it again to add more.";
inline constexpr double kDefaultOuterWidth = 4995;   // twips
inline constexpr double kDefaultOuterHeight = 4035;  // twips
// Frame allowances of the document window, twips.
inline constexpr double kFrameWidth = 120;
inline constexpr double kFrameHeight = 360;
inline constexpr double kDesignMargin = 75;
inline constexpr float kHandleSize = 90;  // twips

// One placed component: its six strings and the geometry of its box on the surface.
struct ComponentRecord {
    std::string ComponentName;
    std::string ComponentType;
    std::string ComponentValue;
    std::string ComponentEvents;
    std::string ComponentTabOrder;
    std::string ComponentPopup;
    // The component's box on the surface, twips.
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = false;
    // The stacking on the surface and in the generated window: larger is nearer the front.
    // Only the order of the values means something; the file keeps the order.
    uint64_t ZOrder = 0;
};

// One selection handle (Handles element 1..4).
struct HandleBox {
    float Left = 0;
    float Top = 0;
    float Width = kHandleSize;
    float Height = kHandleSize;
    bool Visible = false;
};

// The components selected besides the active one (ActiveSlot, the primary): a mark
// per slot, so adding, removing, asking and clearing are constant time. A slot is selected
// when its mark equals the current round; clearing starts a new round.
class SelectionSet {
  public:
    bool Contains(int slot) const {
        return slot >= 0 && static_cast<size_t>(slot) < marks_.size() && marks_[slot] == round_;
    }
    void Add(int slot);
    void Remove(int slot);
    void Clear();
    int Count() const { return count_; }

  private:
    std::vector<uint32_t> marks_;
    uint32_t round_ = 1;
    int count_ = 0;
};

// The slots of each name, without a copy of any name: a hash table of the first and last slot
// of each name, and for each slot the slots before and after it of the same name, ascending.
// The names themselves are read from the slots, so a slot's name must not change while the
// slot is in the index.
class NameIndex {
  public:
    using Slots = std::vector<ComponentRecord>;
    // The lowest slot holding the name, or 0.
    int First(const Slots& slots, std::string_view name) const;
    // The next higher slot holding the same name as `slot`, or 0.
    int Next(int slot) const {
        return static_cast<size_t>(slot) < links_.size() ? links_[slot].next : 0;
    }
    void Add(const Slots& slots, int slot);
    // Takes the slot out; true when no other slot holds its name.
    bool Remove(const Slots& slots, int slot);
    void Clear();
    void Reserve(const Slots& slots, size_t names);

  private:
    struct Ends {
        uint32_t first = 0, last = 0;  // slots; first 0 = a free table slot
        uint32_t hash = 0;
        bool Used() const { return first != 0; }
    };
    struct Neighbours {
        int previous = 0, next = 0;  // slots of the same name; 0 = none
    };
    // Reads the name of a table slot from the first design slot holding it.
    struct NameOf {
        const Slots& records;
        std::string_view operator()(const Ends& ends) const {
            return records[ends.first].ComponentName;
        }
    };

    OpenHashTable<Ends> ends_;
    std::vector<Neighbours> links_;  // by slot
};

struct MenuElement {
    std::string Name, Label, Type, State, Level, Events, Shortcut;
    bool operator==(const MenuElement&) const = default;
};

class DesignDocument {
  public:
    // --- document fields ---
    int ActiveSlot = 0;
    std::string Target = "Applet";
    // The grid, the one place it is kept: a setting of the program (not saved in the design)
    // that the design is shown and edited with. The step in twips, whether moves snap to it,
    // whether its dots show, and the unit the user gives the step in ("pixels" or "twips").
    double GridSize = 120;
    bool GridAlign = true;
    bool GridShow = true;
    std::string GridUnits = "pixels";
    std::string FileName;
    std::string FilePath;
    std::string JavaClassName;
    float InsertX = 120;
    float InsertY = 120;
    std::string DialogParent;
    std::string FontName = "Helvetica";
    std::string FontStyle = "PLAIN";
    int FontSize = 12;
    std::string WindowUnits = "pixels";
    float WindowWidth = 320;
    float WindowHeight = 240;
    // The document window's outer size, twips.
    double OuterWidth = kDefaultOuterWidth;
    double OuterHeight = kDefaultOuterHeight;
    std::string Caption;
    std::string SaveChangesMessage;

    // Mouse state of the design surface.
    bool MouseIsDown = false;
    bool ValidSize = false;
    int PressX = 0;
    int PressY = 0;
    int SelectedWidth = 0;
    int SelectedHeight = 0;

    // The selection handles 1..4 (element 0 unused) and whether they are in front.
    std::array<HandleBox, 5> Handles{};

    // Every selected component; ActiveSlot is the primary one among them. ActiveSlot, Selected
    // and the handles' visibility change only through the document window's Selection.
    SelectionSet Selected;

    // The menu bar of the generated window, elements 0..n-1; one element named "" = none.
    std::vector<MenuElement> MenuElements = std::vector<MenuElement>(1);

    // --- slots ---
    int SlotCount() const { return static_cast<int>(slots_.size()) - 1; }
    bool IsSlot(int i) const { return i >= 1 && i <= SlotCount(); }
    bool IsLive(int i) const { return IsSlot(i) && slots_[i].Visible; }
    const ComponentRecord& Slot(int i) const { return slots_.at(static_cast<size_t>(i)); }
    // Geometry and other fields that no index depends on may be changed through here.
    ComponentRecord& MutableSlot(int i) { return slots_.at(static_cast<size_t>(i)); }
    int LiveCount() const { return liveCount_; }

    // Appends a slot (visible, in front) and returns its number; 0 when the design already
    // holds kMaxSlots live components or kMaxSlotNumbers slots.
    int AppendSlot(ComponentRecord record);
    // Makes room for this many more slots, as a whole design is loaded.
    void ReserveSlots(int count);
    void SetName(int i, std::string name);
    void SetTabOrder(int i, std::string tabOrder);
    void SetVisible(int i, bool visible);
    // Stacks the slot in front of every other, or behind every other.
    void BringToFront(int i);
    void SendToBack(int i);
    // Takes back the last `count` appended slots exactly (their names and tab orders leave the
    // indexes); used only to undo an insertion, which was the newest change.
    void RemoveLastSlots(int count);
    // Removes every slot (the arrays are emptied; the fields stay).
    void ClearSlots();

    // --- services over all slots ---
    // The first free default name for a kind: its prefix followed by 1, 2, ... (new_ for an
    // unknown kind), compared with the names of all slots, deleted ones included.
    std::string NewName(std::string_view controlType);
    // Whether some slot, live or deleted, has exactly this name.
    bool NameUsed(std::string_view name) const;
    // The first slot with this name, or 0.
    int SlotOfName(std::string_view name) const;
    // The first live slot with this name other than `except`, or 0.
    int LiveSlotOfName(std::string_view name, int except = 0) const;
    // The tab position for a new component: one more than the highest live tab order.
    std::string NewTabOrder() const;

  private:
    void RemoveName(int slot);
    void AddLiveTab(const std::string& tab);
    void RemoveLiveTab(const std::string& tab);

    std::vector<ComponentRecord> slots_ = std::vector<ComponentRecord>(1);
    int liveCount_ = 0;
    // The stacking values given so far lie between these: the front grows up, the back down.
    uint64_t zFront_ = uint64_t{1} << 62;
    uint64_t zBack_ = uint64_t{1} << 62;
    NameIndex names_;
    // Per prefix: every number below this is known to be taken.
    std::unordered_map<std::string, int> nameHint_;
    // integer tab order of live slots -> how many hold it.
    std::map<int, int> liveTabs_;
};

// Sorts keys ascending, moving values along; equal keys keep their order.
void SortPairs(std::vector<int>& keys, std::vector<int>& values);

}  // namespace korvane
