// The field declarations and construction blocks of the components: one writer for the 13 AWT
// kinds, one for the 12 Swing kinds. Each returns false, writing nothing, for a row whose kind
// is not its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "codegen/JavaFile.h"

namespace korvane {

// The items of a list kind's value: split at every "|"; an empty value has none.
std::vector<std::string_view> ListItems(std::string_view value);

bool WriteAwtDeclaration(JavaFile& file, const CodegenRow& row);
bool WriteAwtConstruction(JavaFile& file, const CodegenRow& row);

bool WriteSwingDeclaration(JavaFile& file, const CodegenRow& row);
bool WriteSwingConstruction(JavaFile& file, const CodegenRow& row);

// The child a Swing row adds to the container: its scroll pane "sp_<name>" for JTextArea and
// JList, the component itself otherwise.
bool IsScrollWrappedKind(std::string_view type);
// The child a row adds: "sp_<name>" for the wrapped kinds, <name> otherwise.
ChildPieces AddName(const CodegenRow& row);
// The child a row added, as an expression of the constructor or init().
ChildPieces ChildExpression(const JavaFile& file, const CodegenRow& row);

}  // namespace korvane
