// The snapping arithmetic of a drop: each value steps by one twip toward a multiple of the
// grid step G until its rounded value (halves to even) is one, upward when the remainder is
// more than G / 2, downward otherwise. Computed in closed form, equal to the stepping.
//
// A value with a fraction of exactly one half rounds to even numbers only; with an odd G the
// stepping can then never reach an odd multiple and would swing round it for ever. Such a
// value ends on that multiple instead.
#pragma once

namespace korvane {

// The smallest width and height after a drop: 240 twips (16 pixels) or G, whichever is larger.
inline constexpr double kMinimumSnapSize = 240;

// The grid step of a document's GridSize as the 16-bit integer the snapping uses; below 1
// there is nothing to snap to.
int GridStep(double gridSize);

// Left or top: a negative value becomes 0, then it steps to the grid.
float SnapPosition(float value, int G);
// Width: raised to the minimum when under it (strictly), then stepped to the grid.
float SnapWidth(float value, int G);
// Height: stepped to the grid, but as soon as a step leaves it at or under the minimum it
// becomes the minimum; a height already on the grid is left as it is.
float SnapHeight(float value, int G);
// A handle's left (or top) so that the edge it stands for, its left plus offset, steps to the
// grid; a negative left becomes 0 first.
float SnapHandle(float value, float offset, int G);

}  // namespace korvane
