#pragma once

#include "ControlTable.h"

#include <cmath>

// The one place where the design's twips become pixels: 15 twips each at 96
// dots per inch. Both windows place their controls with these.

inline int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; } // one past the last column
    int bottom() const { return top + height; }
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// A control's rectangle, relative to its container's inside.
inline PixelRect pixelBounds(const ControlEntry& entry) {
    return {toPixels(entry.left), toPixels(entry.top), toPixels(entry.width),
            toPixels(entry.height)};
}

inline PixelPoint lineStartPixels(const ControlEntry& line) {
    return {toPixels(line.x1()), toPixels(line.y1())};
}
inline PixelPoint lineEndPixels(const ControlEntry& line) {
    return {toPixels(line.x2()), toPixels(line.y2())};
}
