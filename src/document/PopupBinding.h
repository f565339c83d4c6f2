// A component's popup binding: the listener method (the trigger) whose firing opens a window,
// the window's kind and its class. It is stored in ComponentPopup as the three fields joined by
// ",": kind, class, trigger ("Dialog,AboutBox,actionPerformed()").
//
// One rule says whether stored text binds anything (IsPopupBinding); the inspector and generation
// ask it. An incomplete binding binds nothing but is kept, in the design and its file, until it
// is completed or cleared; generation leaves it out with a warning.
// Whether generation can open the window is a further question of generation's own: a binding
// it cannot write is skipped with a warning and stays in the design.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// What the inspector's lists show for "no kind" and "no trigger".
inline constexpr std::string_view kNoPopupField = "(None)";

struct PopupBinding {
    std::string_view kind;       // field 0
    std::string_view className;  // field 1
    std::string_view trigger;    // field 2

    // The first three fields of stored text; missing ones are "".
    static PopupBinding Read(std::string_view text);
    // The stored text of the three fields.
    std::string Text() const;
};

// Whether the text binds a window: at least three fields, a class, and a kind and a trigger
// other than "(None)".
bool IsPopupBinding(std::string_view text);

// What a binding lacks before it binds a window, as the messages say it ("a window kind, its
// class and an event"), or "" when it lacks nothing.
std::string MissingPopupFields(const PopupBinding& binding);

// Whether the text chooses anything: a kind, a class or a trigger. The file keeps such text
// even while the binding is incomplete, so that a binding being made survives a save.
bool HoldsPopupChoice(std::string_view text);

}  // namespace korvane
