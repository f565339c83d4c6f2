#include "mainwindow/TargetSelector.h"

#include <array>

namespace korvane {
namespace {

constexpr std::array<TargetMenuItem, 9> kTargetMenu = {{
    {"OptionAsApplet", "Applet"},
    {"OptionAsFrame", "Frame"},
    {"OptionAsDialog", "Dialog"},
    {"OptionAsPanel", "Panel"},
    {"LineDummy1", ""},
    {"OptionAsJApplet", "JApplet"},
    {"OptionAsJFrame", "JFrame"},
    {"OptionAsJDialog", "JDialog"},
    {"OptionAsJPanel", "JPanel"},
}};

constexpr std::array<CommandBarButton, 5> kButtons = {{
    {"Toolbar2_New", 30, 360, "New"},
    {"Toolbar2_Open", 390, 360, "Open"},
    {"Toolbar2_Save", 750, 360, "Save"},
    {"Cmd_GenerateType", 1290, 1245, "Select Type"},
    {"Toolbar2_Code", 2535, 360, "Generate Code"},
}};

}  // namespace

std::span<const TargetMenuItem> TargetMenuItems() {
    return kTargetMenu;
}

std::span<const CommandBarButton> CommandBarButtons() {
    return kButtons;
}

}  // namespace korvane
