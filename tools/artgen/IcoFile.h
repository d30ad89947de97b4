#pragma once

#include "Raster.h"

#include <cstdint>
#include <vector>

// A Windows icon file holding one image of 256 colours (8 bits per pixel) and
// its 1-bit mask. `masked` marks, row by row from the top, the pixels the mask
// makes transparent; those pixels should carry black so the screen shows
// through unchanged.
std::vector<std::uint8_t> encodeIco8(const IndexedImage& image, const std::vector<bool>& masked);

struct IconImage {
    IndexedImage image;
    std::vector<bool> masked;
};

// The same holding several images, one per size, in the order given.
std::vector<std::uint8_t> encodeIco8(const std::vector<IconImage>& images);

// An icon image scaled to `size` pixels a side by whole pixels: each pixel
// takes the source pixel under its centre, mask included.
IconImage scaledIcon(const IconImage& icon, int size);
