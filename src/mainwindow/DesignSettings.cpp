#include "mainwindow/DesignSettings.h"

#include <optional>

#include "codegen/SkeletonWriter.h"
#include "platform/Conversions.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr size_t kMaxFontName = 254;  // what a project file gives back of a value

// A whole number from min to max, written with digits only (blanks around allowed).
std::optional<int> WholeNumber(const std::string& text, int min, int max) {
    const std::string digits = TrimSpaces(text);
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < min || n > max) return std::nullopt;
    return n;
}

std::string Range(const char* field, int min, int max, const char* unit) {
    return std::string(field) + " must be a whole number from " + std::to_string(min) + " to " +
           std::to_string(max) + unit + ".";
}

bool HasControlCharacter(const std::string& text) {
    for (unsigned char c : text)
        if (c < 32 || c == 127) return true;
    return false;
}

}  // namespace

const std::vector<std::string>& FontNameChoices() {
    static const std::vector<std::string> names = {
        "Dialog",    "DialogInput", "Monospaced", "SansSerif", "Serif",
        "Helvetica", "TimesRoman",  "Courier",    "Arial",     "Times New Roman"};
    return names;
}

const std::vector<std::string>& FontStyleChoices() {
    static const std::vector<std::string> styles = {"PLAIN", "BOLD", "ITALIC", "BOLD ITALIC"};
    return styles;
}

std::string ReadWindowFont(const WindowFontTexts& texts, WindowFont& out) {
    WindowFont v;
    std::optional<int> width = WholeNumber(texts.width, 1, kMaxWindowPixels);
    if (!width) return Range("The width", 1, kMaxWindowPixels, " pixels");
    std::optional<int> height = WholeNumber(texts.height, 1, kMaxWindowPixels);
    if (!height) return Range("The height", 1, kMaxWindowPixels, " pixels");
    v.width = *width;
    v.height = *height;
    v.fontName = TrimSpaces(texts.fontName);
    if (v.fontName.empty()) return "The font name is empty.";
    if (v.fontName.size() > kMaxFontName)
        return "The font name is longer than " + std::to_string(kMaxFontName) + " characters.";
    if (HasControlCharacter(v.fontName)) return "The font name holds a control character.";
    v.fontStyle = TrimSpaces(texts.fontStyle);
    if (!FontStyleExpression(v.fontStyle))
        return "The font style must be PLAIN, BOLD, ITALIC or BOLD ITALIC.";
    std::optional<int> size = WholeNumber(texts.fontSize, 1, kMaxFontSize);
    if (!size) return Range("The font size", 1, kMaxFontSize, " points");
    v.fontSize = *size;
    out = v;
    return {};
}

std::string ReadGridSettings(const GridTexts& texts, GridSettings& out) {
    const bool pixels = texts.units == "pixels";
    if (!pixels && texts.units != kGridTwips) return "The grid unit must be pixels or twips.";
    const int min = pixels ? 1 : static_cast<int>(kTwipsPerPixel);
    const int max = pixels ? kMaxGridPixels : kMaxGridPixels * static_cast<int>(kTwipsPerPixel);
    std::optional<int> size = WholeNumber(texts.size, min, max);
    if (!size) return Range("The grid size", min, max, pixels ? " pixels" : " twips");
    out = GridSettings{*size, texts.align, texts.show, texts.units};
    return {};
}

std::string ConvertGridSize(const std::string& sizeText, const std::string& fromUnits,
                            const std::string& toUnits) {
    if (fromUnits == toUnits || !HasLeadingNumber(sizeText)) return sizeText;
    double v = Val(sizeText);
    double converted = fromUnits == "pixels" ? PixelsToTwips(v) : TwipsToPixels(v);
    return NumberText(RoundHalfEven(converted));
}

}  // namespace korvane
