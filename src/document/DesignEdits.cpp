#include "document/DesignEdits.h"

#include <string>
#include <utility>
#include <vector>

#include "document/DesignChange.h"
#include "platform/Conversions.h"

namespace korvane {
namespace {

// The change has been applied; the design's history, if any, keeps it for undo and redo.
void Keep(DocumentController& form, DesignChange change) {
    form.editor.Record(std::move(change));
    form.NotifyChanged();
}

void EditSlotFields(DocumentController& form, std::vector<std::pair<int, std::string>> values,
                    SlotField field, const std::string& what) {
    std::erase_if(values, [&](const auto& v) {
        return !form.doc.IsSlot(v.first) ||
               ReadSlotField(form.doc.Slot(v.first), field) == v.second;
    });
    if (values.empty()) return;
    DesignChange change(what + " of " + EditedComponents(form.doc, values[0].first, values.size()));
    for (auto& [slot, value] : values) change.SetField(form.doc, slot, field, std::move(value));
    Keep(form, std::move(change));
}

void EditSlotField(DocumentController& form, int slot, SlotField field, std::string value,
                   const std::string& what) {
    EditSlotFields(form, {{slot, std::move(value)}}, field, what);
}

void EditSettings(DocumentController& form, const DocumentSettings& settings, std::string what) {
    DesignChange change(std::move(what));
    change.SetSettings(form.doc, settings);
    Keep(form, std::move(change));
}

}  // namespace

std::string EditedComponents(const DesignDocument& doc, int slot, size_t count) {
    return count == 1 ? doc.Slot(slot).ComponentName : std::to_string(count) + " components";
}

WindowFont CurrentWindowFont(const DesignDocument& doc) {
    return WindowFont{static_cast<int>(RoundHalfEven(doc.WindowWidth)),
                      static_cast<int>(RoundHalfEven(doc.WindowHeight)), doc.FontName,
                      doc.FontStyle, doc.FontSize};
}

void EditComponentEvents(DocumentController& form, int slot, std::string events) {
    EditSlotField(form, slot, SlotField::Events, std::move(events), "Events");
}

void EditComponentEvents(DocumentController& form,
                         std::vector<std::pair<int, std::string>> eventsBySlot) {
    EditSlotFields(form, std::move(eventsBySlot), SlotField::Events, "Events");
}

void EditComponentPopup(DocumentController& form, int slot, std::string popup) {
    EditSlotField(form, slot, SlotField::Popup, std::move(popup), "Popup");
}

void EditWindowFont(DocumentController& form, const WindowFont& settings) {
    if (CurrentWindowFont(form.doc) == settings) return;
    DocumentSettings s = DocumentSettings::Capture(form.doc);
    s.OuterWidth = PixelsToTwips(settings.width) + kFrameWidth + kDesignMargin;
    s.OuterHeight = PixelsToTwips(settings.height) + kFrameHeight + kDesignMargin;
    s.WindowWidth = static_cast<float>(settings.width);
    s.WindowHeight = static_cast<float>(settings.height);
    s.FontName = settings.fontName;
    s.FontStyle = settings.fontStyle;
    s.FontSize = settings.fontSize;
    EditSettings(form, s, "Window Size and Font");
}

void EditMenuElements(DocumentController& form, std::vector<MenuElement> elements) {
    if (elements.empty()) elements.resize(1);
    if (form.doc.MenuElements == elements) return;
    DocumentSettings s = DocumentSettings::Capture(form.doc);
    s.MenuElements = std::move(elements);
    EditSettings(form, s, "Menu Bar");
}

}  // namespace korvane
