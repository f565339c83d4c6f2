// The project file (.dat): the text Save writes, and what Open reads from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/DesignDocument.h"
#include "platform/ProfileFile.h"

namespace korvane {

// The range of the geometry a project file holds, in twips: a component's X, Y, SizeX and
// SizeY lie within -kGeometryLimit..kGeometryLimit and the [Main] window size within
// 0..kGeometryLimit. The writer never writes a value outside it and the reader accepts every
// value inside it. The file writes numbers with at most seven significant digits, so this is
// the largest whole number of twips it holds exactly: 666,666 pixels, more than any screen
// shows, and pixel values that stay Java ints whatever the generated code adds up.
inline constexpr double kGeometryLimit = 9999999;

// The whole file Save writes for a design: [Main], [Font], one section per live component
// in slot order, then the menu-bar sections.
std::string ProjectFileText(const DesignDocument& doc);

struct LoadedComponent {
    std::string type, name, value, events, order, popup;
    float x = 0, y = 0;
    double sizeX = 0, sizeY = 0;
};

struct LoadedProject {
    bool hasMainSize = false;  // [Main] SizeX present: size and font are read
    double outerWidth = kDefaultOuterWidth;
    double outerHeight = kDefaultOuterHeight;
    std::string fontName = "Helvetica", fontStyle = "PLAIN", units = "pixels";
    int fontSize = 12;
    std::vector<LoadedComponent> components;
    bool legacy = false;                    // components come from the older per-kind layout
    std::vector<MenuElement> menuElements;  // empty = no menu bar
    // The components from the back-most to the front-most, by their Stack keys (a component
    // without one stands at its section number, ties in section order); empty when no
    // component has one: the sections' order.
    std::vector<size_t> stackOrder;
};

// The component as a slot holds it.
ComponentRecord RecordOf(LoadedComponent component);

// Reads a parsed project file. Fails, with a reason, for a file with more components than a
// design can hold; every other content gives a design.
bool ReadProject(const ProfileReader& file, double gridSize, LoadedProject& out,
                 std::string& error);

// A geometry value of the file: the leading number, 0 when none or out of range.
double GeometryValue(std::string_view text);
// A [Main] size of the file (twips, or grid cells in the older layout): the leading number
// rounded to a whole one, nullopt when there is none or it is negative or out of range.
std::optional<double> WindowSizeValue(const std::string& text);

}  // namespace korvane
