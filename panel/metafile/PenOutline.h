#pragma once

#include "Drawing.h"

#include <span>
#include <vector>

namespace metafile {

// The pixels a 1-pixel pen sets along a polygon's outline, as GDI sets them:
// each side is a Bresenham line from its corner up to, not including, the
// next corner, so every corner is set once. Where a line passes exactly
// halfway between two pixels, GDI takes the one towards its start in some
// directions and the one towards its end in others; the choice is kept here
// so the outline matches Windows' pixel for pixel. Only pixels inside the
// picture (columns below `width`, rows below `height`) are given.
std::vector<PixelPoint> outlinePixels(std::span<const PixelPoint> corners, int width, int height);

} // namespace metafile
