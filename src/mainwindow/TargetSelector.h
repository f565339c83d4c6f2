// The command bar's target-kind selector: the button Cmd_GenerateType, whose caption is the
// kind the next Generate Code produces, and its drop-down menu menuGenerateType.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace korvane {

struct TargetMenuItem {
    std::string_view name;     // control name
    std::string_view caption;  // "" for the separator
};

// menuGenerateType in menu order.
std::span<const TargetMenuItem> TargetMenuItems();

// A button of the command bar, twips inside the bar.
struct CommandBarButton {
    std::string_view name;
    double left;
    double width;
    std::string_view tooltip;
};

inline constexpr double kCommandBarHeight = 480;
inline constexpr double kCommandButtonTop = 75;
inline constexpr double kCommandButtonHeight = 360;
inline constexpr double kSeparatorLeft[2] = {1185, 1200};
inline constexpr double kSeparatorTop = 75;
inline constexpr double kSeparatorBottom = 405;
// The second row of kind buttons lies below the bar's visible height.
inline constexpr double kKindRowTop = 525;

// Toolbar2_New, Toolbar2_Open, Toolbar2_Save, Cmd_GenerateType and Toolbar2_Code.
std::span<const CommandBarButton> CommandBarButtons();

// The kinds of the hidden second row, in the order of their buttons.
inline constexpr std::string_view kKindRow[4] = {"Applet", "Frame", "Dialog", "Panel"};

}  // namespace korvane
