// The project file (.dat): the text Save writes, and what Open reads from it.
#pragma once

#include <string>
#include <vector>

#include "document/DesignDocument.h"
#include "platform/ProfileFile.h"

namespace korvane {

// A complete popup binding: not "", first field not "(None)", second field not "", third
// field present and not "(None)".
bool IsCompletePopup(const std::string& popup);

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
};

// Reads a parsed project file. Fails, with a reason, for a file with more components than a
// design can hold; every other content gives a design.
bool ReadProject(const ProfileReader& file, double gridSize, LoadedProject& out,
                 std::string& error);

// A geometry value of the file: the leading number, 0 when none or outside -32768..32767.
double GeometryValue(const std::string& text);

}  // namespace korvane
