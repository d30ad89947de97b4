#pragma once

#include "PixelGeometry.h"

#include <array>

// The four strips a shape's outline is filled as: top, bottom, left, right,
// each `width` pixels thick and inside the box, whatever the width. Each is
// scaled as a rectangle of its own on a denser screen, so both windows set
// the same device pixels.
std::array<PixelRect, 4> outlineStrips(const PixelRect& box, int width);
