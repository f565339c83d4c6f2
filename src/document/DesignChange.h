// One reversible change of the design, as the undo history holds it.
//
// A change is a list of edits applied in order (and reversed in the opposite order). Each
// edit keeps what it needs to restore the design exactly: the strings before and after, the
// geometry before and after, the visibility, the appended records. Moves of many components
// are kept compactly as the slots and one common offset; only slots whose geometry cannot be
// restored exactly by that offset keep their own before and after.
//
// Making an edit undoable:
//
//     DesignChange change("Rename " + oldName);           // the text after "Undo "/"Redo "
//     change.SetField(doc, slot, SlotField::Name, text);   // applies it and remembers the old
//     form.editor.Record(std::move(change));               // hands it to the history
//
// SetField covers a component's name, kind, value, events, tab order and popup binding;
// SetSettings the document's window size, font and menu bar (capture the settings, change
// the copy, pass it). An edit already made on the document (a drag) is described afterwards
// with NoteGeometry. A change that ends up changing nothing is dropped by
// DesignEditor::Record. The history (the desktop program's undo stack) later calls
// DesignEditor::ApplyChange to undo or redo it; a design without a history simply keeps no
// record.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "document/DesignDocument.h"

namespace korvane {

enum class SlotField { Name, Type, Value, Events, TabOrder, Popup };

struct BoxGeometry {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const BoxGeometry&) const = default;
};

BoxGeometry GeometryOf(const ComponentRecord& r);

// The document fields a design setting edit may change.
struct DocumentSettings {
    std::string FontName, FontStyle;
    int FontSize = 12;
    std::string WindowUnits;
    float WindowWidth = 0, WindowHeight = 0;
    double OuterWidth = 0, OuterHeight = 0;
    std::string DialogParent;
    std::vector<MenuElement> MenuElements;

    static DocumentSettings Capture(const DesignDocument& doc);
    void Restore(DesignDocument& doc) const;
    bool operator==(const DocumentSettings&) const = default;
};

// How consecutive changes may fold into one undo step.
enum class MergeKind { None, Nudge, Resize, ValueTyping, WindowSize };

class DesignChange {
  public:
    explicit DesignChange(std::string text = {}, MergeKind merge = MergeKind::None);

    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    MergeKind Merge() const { return merge_; }
    bool Empty() const { return edits_.empty(); }

    // --- edits made through the change: applied to doc at once ---
    void SetField(DesignDocument& doc, int slot, SlotField field, std::string value);
    void SetGeometry(DesignDocument& doc, int slot, const BoxGeometry& g);
    void SetVisible(DesignDocument& doc, const std::vector<int>& slots, bool visible);
    void SetSettings(DesignDocument& doc, const DocumentSettings& settings);
    // Gives the slots these stacking values (ComponentRecord::ZOrder), in the same order.
    void SetStacking(DesignDocument& doc, const std::vector<int>& slots,
                     const std::vector<uint64_t>& zOrders);
    // Appends a component; returns its slot (0 when the design is full).
    int Append(DesignDocument& doc, ComponentRecord record);

    // --- an edit already made: the slots and their geometry before it ---
    void NoteGeometry(const DesignDocument& doc, const std::vector<int>& slots,
                      const std::vector<BoxGeometry>& before);
    // Slots appended already, from `first` to the last one.
    void NoteAppended(const DesignDocument& doc, int first);

    // Undo (forward = false) or redo the change on doc.
    void Apply(DesignDocument& doc, bool forward);
    // Folds a later change of the same kind over the same components into this one; false
    // when the two cannot be one step.
    bool MergeWith(const DesignChange& later);

    // The slots the change touches that are live after applying it in that direction, in
    // ascending order; and whether it changes what the component list shows.
    std::vector<int> TouchedLive(const DesignDocument& doc) const;
    bool ChangesList() const;
    // Bytes held, for keeping an eye on the history's size.
    size_t Footprint() const;

  private:
    struct FieldEdit {
        int slot;
        SlotField field;
        std::string before, after;
    };
    struct BoxEdit {
        int slot;
        BoxGeometry before, after;
    };
    struct OffsetEdit {
        std::vector<int> members;
        BoxGeometry delta;
    };
    struct ShowEdit {
        std::vector<int> members;
        bool visible;
    };
    struct AppendEdit {
        int first;
        // Filled when undone: the records as they were, for the redo.
        std::vector<ComponentRecord> records;
        int count;
    };
    struct SettingsEdit {
        DocumentSettings before, after;
    };
    struct StackEdit {
        std::vector<int> members;
        std::vector<uint64_t> before, after;
    };
    using Edit =
        std::variant<FieldEdit, BoxEdit, OffsetEdit, ShowEdit, AppendEdit, SettingsEdit, StackEdit>;

    // The same fields of the same slots edited again: the later values are kept.
    bool MergeFieldEdits(const DesignChange& later);

    std::string text_;
    MergeKind merge_;
    std::vector<Edit> edits_;
};

// Writes one field of a slot, keeping the document's indexes (and the box's tag) in step.
void WriteSlotField(DesignDocument& doc, int slot, SlotField field, std::string value);
const std::string& ReadSlotField(const ComponentRecord& r, SlotField field);

}  // namespace korvane
