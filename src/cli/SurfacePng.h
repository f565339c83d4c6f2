// The design surface as a PNG file, for korvane-gen render: 8-bit RGB rows compressed with
// zlib's deflate, painted and compressed a band of rows at a time, so that memory stays a few
// megabytes whatever the surface's size.
#pragma once

#include <functional>
#include <string>

#include "document/DesignDocument.h"
#include "platform/Canvas.h"
#include "platform/FileSystem.h"

namespace korvane {

// The largest picture render draws, in pixels a side; a larger surface is refused.
inline constexpr long long kMaxRenderSide = 8192;

// Draws over one box right after its look (render --text): the canvas holds the band of
// surface rows being painted.
using BoxOverlay = std::function<void(Canvas& canvas, const PixelRect& band, int slot)>;

// Writes the surface as the document window shows it, without the selection handles,
// atomically; false with a reason on failure (a surface larger than maxSide included).
bool WriteSurfacePng(const DesignDocument& doc, FileSystem& files, const std::string& path,
                     std::string& error, long long maxSide = kMaxRenderSide,
                     const BoxOverlay& overlay = {});

}  // namespace korvane
