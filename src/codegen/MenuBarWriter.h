// The menu bar of a "Frame" (AWT MenuBar) or "JFrame" (Swing JMenuBar): one field per menu,
// item and check item, and the lines that build the bar, nest the elements and set the bar on the
// window. Other targets write none.
//
// A window keeps its designed content size whatever its menu bar: an AWT menu bar is drawn by
// the platform outside the content, but Swing sizes a JFrame to the wider of its content and its
// menu bar. The JMenuBar is therefore laid out by the class <Class>MenuBarLayout, which wraps
// the menus into rows no wider than the window (the designed width until the window is shown).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "codegen/JavaFile.h"

namespace korvane {

// Whether the file writes a menu bar: a frame target whose design has menu elements.
bool WritesMenuBar(const JavaFile& file);
// Whether it writes the class <Class>MenuBarLayout: a JMenuBar.
bool WritesMenuBarLayout(const JavaFile& file);
inline constexpr std::string_view kMenuBarLayoutSuffix = "MenuBarLayout";

// Section 1, after the components' declarations: one field per element that is not a separator.
void WriteMenuDeclarations(JavaFile& file);

// Section 3, after the construction blocks and before the listener registrations (which use the
// fields): the bar set on the window, then its elements in file order.
void WriteMenuBarConstruction(JavaFile& file);

// After the other top-level classes: the class <Class>MenuBarLayout, when it is written.
void WriteMenuBarLayoutClass(JavaFile& file);
// The lines of that class, the empty line before it first.
std::vector<std::string> MenuBarLayoutClassLines(std::string_view className);

}  // namespace korvane
