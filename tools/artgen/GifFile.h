#pragma once

#include "Raster.h"

#include <cstdint>
#include <vector>

// A GIF89a file of one frame covering the whole picture at 0,0: global palette,
// one graphic control extension naming the transparent index (delay 0,
// disposal 0), no local palette, not interlaced, nothing else.
// The palette size must be a power of two from 2 to 256.
std::vector<std::uint8_t> encodeGif(const IndexedImage& image);
