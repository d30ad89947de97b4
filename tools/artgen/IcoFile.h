#pragma once

#include "Raster.h"

#include <cstdint>
#include <vector>

// A Windows icon file holding one image of 256 colours (8 bits per pixel) and
// its 1-bit mask. `masked` marks, row by row from the top, the pixels the mask
// makes transparent; those pixels should carry black so the screen shows
// through unchanged.
std::vector<std::uint8_t> encodeIco8(const IndexedImage& image, const std::vector<bool>& masked);
