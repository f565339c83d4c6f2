// The values of the Options dialogs, read from what the user typed: the designed window's
// size and font (Window Size & Font...) and the main window's grid (Grid and Units...). A
// value that cannot be used is refused with a sentence naming the field and its range.
#pragma once

#include <string>
#include <vector>

#include "document/DesignEdits.h"
#include "document/Links.h"

namespace korvane {

// The designed window's side, pixels: no screen shows a larger window.
inline constexpr int kMaxWindowPixels = 8192;
inline constexpr int kMaxFontSize = 32767;
// The grid step: at least one pixel, so that dots and snapping stay meaningful.
inline constexpr int kMaxGridPixels = 100;
inline constexpr const char* kGridTwips = "twips";

// The font names the dialog offers: Java's logical fonts, then common family names.
const std::vector<std::string>& FontNameChoices();
// The style words the dialog offers.
const std::vector<std::string>& FontStyleChoices();

struct WindowFontTexts {
    std::string width, height, fontName, fontStyle, fontSize;
};
// "" with `out` filled, or the refusal.
std::string ReadWindowFont(const WindowFontTexts& texts, WindowFont& out);

struct GridTexts {
    std::string size;
    std::string units;  // "pixels" or "twips"
    bool align = true;
    bool show = true;
};
std::string ReadGridSettings(const GridTexts& texts, GridSettings& out);
// The grid size typed in one unit, in the other (whole twips or pixels, rounded); the text
// itself when it is no number.
std::string ConvertGridSize(const std::string& sizeText, const std::string& fromUnits,
                            const std::string& toUnits);

}  // namespace korvane
