// Copying and pasting components as text: the selected components written as the project
// file writes a design (so the text reads as sections in any editor and pastes into another
// Korvane), and such text read back as new components.
#pragma once

#include <string>

namespace korvane {

class DocumentController;

// The selected components as project-file text; "" when nothing is selected.
std::string CopyText(const DocumentController& form);

// Adds the components of the text one grid step right of and below where they were: a name
// already taken gets the kind's next free default name, the tab orders follow the highest
// one in slot order of their own, values, events and popups stay. The new components are
// selected, and the whole paste is one undoable step named `what` ("Paste", "Duplicate").
// Text without components, or more than the design can hold, is refused with a message and
// changes nothing. Returns how many components were added.
int PasteText(DocumentController& form, const std::string& text, const std::string& what = "Paste");

}  // namespace korvane
