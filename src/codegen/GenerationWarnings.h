// What a generated file leaves out or needs beyond the running JDK, said after the file is
// generated: events that get no listener, popup bindings that open nothing, events of menus, which
// never fire, a menu bar the target cannot show, and applets, which current JDKs no longer have.
// Generation still succeeds.
#pragma once

#include <string>
#include <vector>

#include "codegen/JavaFile.h"
#include "codegen/Listeners.h"
#include "document/DesignDocument.h"

namespace korvane {

// One sentence per warning, in the order of the file.
std::vector<std::string> GenerationWarnings(const JavaFile& file, const ListenerPlan& plan,
                                            const std::vector<MenuElement>& menuElements);

// The warnings as one message: at most `shown` of them, then how many more there are.
std::string WarningsMessage(const std::vector<std::string>& warnings, size_t shown = 20);

}  // namespace korvane
