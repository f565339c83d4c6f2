// The menu bar of a "Frame" (AWT MenuBar) or "JFrame" (Swing JMenuBar): one field per menu,
// item and check item, and the lines that build the bar, nest the elements and set the bar on the
// window. Other targets write none.
#pragma once

#include "codegen/JavaFile.h"

namespace korvane {

// Whether the file writes a menu bar: a frame target whose design has menu elements.
bool WritesMenuBar(const JavaFile& file);

// Section 1, after the components' declarations: one field per element that is not a separator.
void WriteMenuDeclarations(JavaFile& file);

// Section 3, after the construction blocks and before the listener registrations (which use the
// fields): the bar set on the window, then its elements in file order.
void WriteMenuBarConstruction(JavaFile& file);

}  // namespace korvane
