// The stacking of the generated window. The design surface shows a later component (or one
// brought to the front) over an earlier one; Java paints a container's first child on top, and
// the children are added in tab order. Where components overlap and the tab order would stack
// them otherwise than the surface, the generated code raises them in surface order after the
// additions, and a focus policy keeps the focus order the tab order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/CodegenTable.h"

namespace korvane {

// A component's bounds in the generated window, pixels: [left, right) x [top, bottom).
struct ChildBounds {
    int64_t left = 0, top = 0, right = 0, bottom = 0;
};

ChildBounds PixelBounds(const CodegenRow& row);

// For each rect, whether it shares some area with another one. Rects without area share none.
// O(n log n).
std::vector<bool> OverlapsAnother(const std::vector<ChildBounds>& rects);

struct StackingPlan {
    // Rows to raise to the top, one after the other, so that the last one ends on top; empty
    // when the tab order already stacks every overlapping component as the surface does.
    std::vector<size_t> raised;
    // The row of each child of the container once raised, child 0 first (the layout class
    // addresses children by position); empty when nothing is raised.
    std::vector<size_t> childOrder;
};

StackingPlan PlanStacking(const CodegenTable& table);

struct JavaFile;

// After the additions (section 3), when the plan raises rows: the focus policy that keeps the tab
// order, taken while the children are still in tab order, then one setComponentZOrder per raised
// row.
void WriteStackingLines(JavaFile& file);

// After the layout class, when the plan raises rows: the class <Class>Focus, a focus policy that
// visits the children in the order it was given.
void WriteFocusClass(JavaFile& file);
// The lines of that class, the empty line before it first.
std::vector<std::string> FocusClassLines(std::string_view className, bool swing);

}  // namespace korvane
