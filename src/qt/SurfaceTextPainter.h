// Drawing the texts of View > Show Text (and korvane-gen render --text) with Qt's fonts:
// each text clipped to its component's box, in black, in a sans-serif font of the size Java
// gives its windows by default (12 pixels).
#pragma once

#include <QFont>
#include <QPainter>

#include "document/DesignDocument.h"

namespace korvane {

QFont SurfaceTextFont();
// Draws the component's texts; the painter's coordinates are surface pixels.
void DrawComponentTexts(QPainter& painter, const ComponentRecord& component);

}  // namespace korvane
