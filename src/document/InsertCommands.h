// The insert commands of the document window's menus, in menu order: the AWT submenus list
// the first thirteen, the Swing submenus the last twelve.
#pragma once

#include <span>
#include <string_view>

namespace korvane {

struct InsertCommand {
    std::string_view tag;
    std::string_view popupCaption;  // item of menuForm's "AWT" / "Swing" submenu
    std::string_view popupHandler;
    std::string_view menuCaption;  // item of the menu bar's Insert submenus
    std::string_view menuHandler;
};

std::span<const InsertCommand> InsertCommands();
inline constexpr int kAwtInsertCommands = 13;

}  // namespace korvane
