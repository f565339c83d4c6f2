// The edits of a design made outside the surface and the Properties page: a component's
// events and popup binding, the designed window's size and font, and the menu bar. Each kind
// of edit goes through one function here, which applies it as a DesignChange and records it
// (DesignEditor::Record), so that it is undone as any other change.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "document/DocumentController.h"

namespace korvane {

// The designed window's size in whole pixels and the generated window's font.
struct WindowFont {
    int width = 320;
    int height = 240;
    std::string fontName = "Helvetica";
    std::string fontStyle = "PLAIN";
    int fontSize = 12;
    bool operator==(const WindowFont&) const = default;
};

WindowFont CurrentWindowFont(const DesignDocument& doc);

// How a step's text names what it changes: the component in `slot` alone, or how many.
std::string EditedComponents(const DesignDocument& doc, int slot, size_t count);

// Each does nothing when the value is already the design's.
void EditComponentEvents(DocumentController& form, int slot, std::string events);
// Several components' events at once, as one step.
void EditComponentEvents(DocumentController& form,
                         std::vector<std::pair<int, std::string>> eventsBySlot);
void EditComponentPopup(DocumentController& form, int slot, std::string popup);
// The document window takes the outer size that gives the designed size (frame allowances
// added), so the window on screen follows.
void EditWindowFont(DocumentController& form, const WindowFont& settings);
// Elements 0..n-1; an empty list is stored as the one unnamed element that means no menu bar.
void EditMenuElements(DocumentController& form, std::vector<MenuElement> elements);

}  // namespace korvane
