// A small PNG writer for RGB rasters: 8-bit truecolour, the image data in uncompressed
// ("stored") deflate blocks. Enough for pictures of the design surface, with no library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace korvane {

// The PNG file bytes of the raster.
std::vector<uint8_t> EncodePng(const Canvas& canvas);
// Writes the PNG to path; false with a reason in error when the file cannot be written.
bool WritePng(const Canvas& canvas, const std::string& path, std::string& error);

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size, uint32_t adler = 1);

}  // namespace korvane
