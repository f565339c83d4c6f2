// The stacking of the components: which one shows over which where they overlap, on the design
// surface and in the generated window alike. It is part of the design: saved in the project file
// (the Stack key of each component, written only when the stacking is not the order of the
// sections) and changed only by Bring to Front and Send to Back, as undoable steps. Selecting a
// component does not restack it.
#pragma once

#include <vector>

#include "document/DesignDocument.h"

namespace korvane {

class DocumentController;

// The live slots from the back-most to the front-most.
std::vector<int> LiveSlotsBackToFront(const DesignDocument& doc);
// Whether every later live slot stacks in front of every earlier one: the order a file without
// Stack keys gives.
bool StacksInSlotOrder(const DesignDocument& doc);
// Stacks these slots in front of all others, the first of them back-most.
void StackInFront(DesignDocument& doc, const std::vector<int>& backToFront);

// Whether the selected components could come further to the front (or go further to the
// back): some live component not selected stands in front of (behind) one of them.
bool CanBringToFront(const DocumentController& form);
bool CanSendToBack(const DocumentController& form);
// Edit > Bring to Front and Send to Back: the selected components, keeping their order among
// themselves, in front of (behind) all others, as one step.
void BringToFront(DocumentController& form);
void SendToBack(DocumentController& form);

}  // namespace korvane
