// Copying and pasting components as text: the selected components written as the project
// file writes a design (so the text reads as sections in any editor and pastes into another
// Korvane), and such text read back as new components.
#pragma once

#include <string>

namespace korvane {

class DocumentController;

// The selected components as project-file text, their stacking among themselves included; ""
// when nothing is selected.
std::string CopyText(const DocumentController& form);

// Where a paste puts the components, keeping their places among themselves: with their
// top-left corner at a point of the surface (a paste from the pop-up menu, at the mouse), or
// `steps` grid steps right of and below where they were (a repeated paste one step further
// each time). Either way they are then moved, as a group, into the designed window as far as
// they fit.
struct PastePlace {
    bool atPoint = false;
    float x = 0, y = 0;  // twips
    int steps = 1;
};

// Adds the components of the text as the inspector and Open would take them: a name that is
// not a Java identifier, or that a live component (or one pasted before it) holds, becomes
// the kind's next free default name; a component of a kind Korvane does not know is left out;
// a size below one pixel becomes one grid step. The tab orders follow the highest one in an
// order of their own; values, events, popups and the stacking among them stay, in front of the
// others. The new components are selected, and the whole paste is one undoable step named
// `what` ("Paste", "Duplicate"). Whatever is left out or changed is said in one message. Text
// without components, or more than the design can hold beside its live ones, is refused with a
// message saying why, and changes nothing. Returns how many components were added.
int PasteText(DocumentController& form, const std::string& text, const std::string& what = "Paste",
              PastePlace place = {});

}  // namespace korvane
