// The classes a generated file sees through its imports.
#pragma once

#include <string_view>

namespace korvane {

// Whether a simple name is a public class of java.lang, java.awt or java.awt.event, of javax.swing
// when swingImported, or Applet when appletImported.
bool IsImportedClassName(std::string_view name, bool swingImported, bool appletImported);

}  // namespace korvane
