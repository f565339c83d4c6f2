// Drawing the texts of View > Show Text (and korvane-gen render --text) with Qt's fonts:
// each text clipped to its component's box, in black, in the design's font as the generated
// window sets it: Java's logical fonts as the like families of the system, the style's weight
// and slant, and the size in pixels (Java counts a point as a pixel).
#pragma once

#include <QFont>
#include <QPainter>

#include "document/DesignDocument.h"

namespace korvane {

QFont DesignTextFont(const DesignDocument& doc);
// Draws the component's texts; the painter's coordinates are surface pixels.
void DrawComponentTexts(QPainter& painter, const ComponentRecord& component);

}  // namespace korvane
