// Aligning, sizing, distributing and nudging the selected components. The arithmetic works on
// plain geometries (the primary component is the reference); the commands apply it to the
// document's selection as one undoable step.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "document/DesignChange.h"

namespace korvane {

class DocumentController;

enum class ArrangeCommand {
    AlignLefts,
    AlignRights,
    AlignTops,
    AlignBottoms,
    AlignCentres,  // horizontal centres on the primary's
    AlignMiddles,  // vertical centres on the primary's
    SameWidth,
    SameHeight,
    SameSize,
    DistributeAcross,
    DistributeDown,
};

struct ArrangeInfo {
    ArrangeCommand command;
    std::string_view caption;  // also the text of its undo step
    int needs;                 // selected components needed
};

// Every command in menu order.
const std::vector<ArrangeInfo>& ArrangeCommands();
const ArrangeInfo& InfoOf(ArrangeCommand command);

// The geometries after the command; boxes[primary] is the reference. Positions are whole
// twips (halves rounded up).
std::vector<BoxGeometry> Arranged(ArrangeCommand command, const std::vector<BoxGeometry>& boxes,
                                  size_t primary);

// Whether the command can run on the document's present selection.
bool CanArrange(const DocumentController& form, ArrangeCommand command);
// Runs the command on the selection as one step; nothing when too few are selected.
void Arrange(DocumentController& form, ArrangeCommand command);

// Arrow-key codes.
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// An arrow key with the shift code (Shift 1, Ctrl 2): moves the selection one grid step, one
// pixel (15 twips) with Ctrl; with Shift it sizes the right or bottom edge by the same.
// Nothing moves past the surface's left or top edge, and nothing shrinks below 15 twips.
// Returns whether the key was an arrow key.
bool Nudge(DocumentController& form, int keyCode, int shift);

}  // namespace korvane
