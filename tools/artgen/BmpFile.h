#pragma once

#include "Raster.h"

#include <cstdint>
#include <vector>

// A Windows bitmap file: 24 bits per pixel, uncompressed, rows stored from the
// bottom up and padded to four bytes, 96 dots per inch.
std::vector<std::uint8_t> encodeBmp24(const RgbImage& image);
