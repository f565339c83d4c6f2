// render --text: the surface with each component's text over its look, drawn in Qt's fonts on
// the offscreen platform, so that no display is needed.
#pragma once

#include <string>

#include "document/DesignDocument.h"
#include "platform/FileSystem.h"

namespace korvane {

// As WriteSurfacePng, with the texts; false, with the reason, also when this build of
// korvane-gen has no fonts to draw with.
bool WriteSurfacePngWithText(const DesignDocument& doc, FileSystem& files, const std::string& path,
                             std::string& error);

}  // namespace korvane
