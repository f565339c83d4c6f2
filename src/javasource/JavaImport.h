// Reading a class Korvane generated back into a design: the target kind, the components with
// their kinds, names, values or list items, bounds (pixels x 15 twips) and tab order (the order
// they are added to the window), their events (the registered listener classes' methods) and
// popup bindings (the lines that open a window in a listener method), the window's size and font,
// the stacking of overlapping components, and the menu bar. The lines may have been edited in
// the generator's forms: bounds and texts changed, components added or removed.
//
// What does not map to a design (code of the developer's own, a listener class nobody
// registers, a component never added, ...) is listed with its line; nothing is guessed. The
// design of a generated class generates that class again byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/ProjectFile.h"
#include "javasource/ClassReader.h"

namespace korvane::javasource {

struct ImportedClass {
    std::optional<Finding> refusal;  // the file is not a class Korvane generated
    std::string className;
    std::string target;  // Applet, Frame, ..., JPanel
    // The design as an opened project file gives it: components in surface order (back first).
    LoadedProject project;
    // The owner type of a dialog when it is not the default one (a design file does not keep it).
    std::string dialogParent;
    std::vector<Finding> unmapped;  // by line
};

ImportedClass ImportJava(std::string_view file);

}  // namespace korvane::javasource
