// The texts a component shows in the running window, for drawing them over its look-alike
// (View > Show Text): a label's or button's caption, a text field's or area's text, the first
// items of a list, the chosen item of a choice, a check box's or radio button's caption. The
// surface decides what and where; a view draws the characters in its font.
#pragma once

#include <string>
#include <vector>

#include "document/DesignDocument.h"
#include "platform/Canvas.h"

namespace korvane {

struct ShownText {
    std::string text;
    PixelRect box;         // where the text is laid out, surface pixels
    PixelRect clip;        // what it may cover: the component's box, less its arrow button
    bool centred = false;  // horizontally; otherwise from the box's left edge
    bool top = false;      // on the box's first line; otherwise centred vertically
};

// lineHeight is the drawing font's line spacing in pixels (lists show one item a line).
std::vector<ShownText> ComponentTexts(const ComponentRecord& r, int lineHeight);

}  // namespace korvane
