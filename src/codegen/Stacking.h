// The stacking and focus order of the generated window. The design surface shows a later component
// (or one brought to the front) over an earlier one; Java paints a container's first child on
// top, and the children are added in tab order. Where components overlap and the tab order would
// stack them otherwise than the surface, the generated code raises them in surface order after
// the additions. A focus policy keeps the focus order the tab order wherever the children are
// raised or Swing's default policy, which orders them by position, would visit them otherwise.
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
    // Whether the file sets the focus policy <Class>Focus: when rows are raised, or when the
    // position order would not keep the tab order.
    bool focusPolicy = false;
};

StackingPlan PlanStacking(const CodegenTable& table);

// Whether Swing's default focus policy (LayoutFocusTraversalPolicy) visits the components Tab
// stops at in row order. It sorts the children by position with a comparison of two: in one row
// when their tops are less than 10 pixels apart, then left to right (equal lefts in child order),
// otherwise top to bottom; a child's descendants sort with it. Rows chain, so the comparison need
// not be transitive, and then the order depends on the sort and on what else the window holds:
// the answer is yes only when the comparison orders these children totally, and in that order the
// components that take the focus come in row order. An AWT window takes this policy too when it
// is created after a Swing window, and an AWT panel inside a Swing window. O(n log n).
bool PositionOrderKeepsTabOrder(const CodegenTable& table);

struct JavaFile;

// After the additions (section 3), when the plan sets the focus policy: the policy that keeps the
// tab order, taken while the children are still in tab order, then one setComponentZOrder per
// raised row.
void WriteStackingLines(JavaFile& file);

// After the layout class, when the plan sets the focus policy: the class <Class>Focus, a focus
// policy that visits the children in the order it was given.
void WriteFocusClass(JavaFile& file);
// The lines of that class, the empty line before it first.
std::vector<std::string> FocusClassLines(std::string_view className, bool swing);

}  // namespace korvane
