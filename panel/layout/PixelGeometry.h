#pragma once

#include "ControlTable.h"

#include <algorithm>
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

// Whether `kind` is painted on the window's own surface rather than being a
// child window.
inline bool isSurfaceKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Line || kind == ControlKind::Shape ||
           kind == ControlKind::Image;
}

// The pixels a surface control may paint: its box, or a line with its width
// (the round ends reach past the end points).
inline PixelRect surfacePixelBounds(const ControlEntry& entry) {
    if (entry.kind != ControlKind::Line) {
        return pixelBounds(entry);
    }
    const PixelPoint a = lineStartPixels(entry);
    const PixelPoint b = lineEndPixels(entry);
    const int reach = entry.settings.borderPixels;
    const int left = std::min(a.x, b.x) - reach;
    const int top = std::min(a.y, b.y) - reach;
    return {left, top, std::max(a.x, b.x) + reach + 1 - left, std::max(a.y, b.y) + reach + 1 - top};
}
