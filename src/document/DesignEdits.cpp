#include "document/DesignEdits.h"

#include <utility>

#include "document/DesignChange.h"
#include "platform/Conversions.h"

namespace korvane {
namespace {

// The change has been applied; the design's history, if any, keeps it for undo and redo.
void Keep(Form1& form, DesignChange change) {
    form.Record(std::move(change));
    form.NotifyChanged();
}

void EditSlotField(Form1& form, int slot, SlotField field, std::string value,
                   const std::string& what) {
    if (!form.doc.IsSlot(slot) || ReadSlotField(form.doc.Slot(slot), field) == value) return;
    DesignChange change(what + " of " + form.doc.Slot(slot).ComponentName);
    change.SetField(form.doc, slot, field, std::move(value));
    Keep(form, std::move(change));
}

void EditSettings(Form1& form, const DocumentSettings& settings, std::string what) {
    DesignChange change(std::move(what));
    change.SetSettings(form.doc, settings);
    Keep(form, std::move(change));
}

}  // namespace

WindowFont CurrentWindowFont(const DesignDocument& doc) {
    return WindowFont{static_cast<int>(RoundHalfEven(doc.Window_Width)),
                      static_cast<int>(RoundHalfEven(doc.Window_Height)), doc.Font_Name,
                      doc.Font_Style, doc.Font_Size};
}

void EditComponentEvents(Form1& form, int slot, std::string events) {
    EditSlotField(form, slot, SlotField::Events, std::move(events), "Events");
}

void EditComponentPopup(Form1& form, int slot, std::string popup) {
    EditSlotField(form, slot, SlotField::Popup, std::move(popup), "Popup");
}

void EditWindowFont(Form1& form, const WindowFont& settings) {
    if (CurrentWindowFont(form.doc) == settings) return;
    DocumentSettings s = DocumentSettings::Capture(form.doc);
    s.OuterWidth = PixelsToTwips(settings.width) + kFrameWidth + kDesignMargin;
    s.OuterHeight = PixelsToTwips(settings.height) + kFrameHeight + kDesignMargin;
    s.Window_Width = static_cast<float>(settings.width);
    s.Window_Height = static_cast<float>(settings.height);
    s.Font_Name = settings.fontName;
    s.Font_Style = settings.fontStyle;
    s.Font_Size = settings.fontSize;
    EditSettings(form, s, "Window Size and Font");
}

void EditMenuElements(Form1& form, std::vector<MenuElement> elements) {
    if (elements.empty()) elements.resize(1);
    if (form.doc.MenuElements == elements) return;
    DocumentSettings s = DocumentSettings::Capture(form.doc);
    s.MenuElements = std::move(elements);
    EditSettings(form, s, "Menu Bar");
}

}  // namespace korvane
