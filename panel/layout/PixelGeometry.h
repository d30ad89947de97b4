#pragma once

#include "ControlEntry.h"
#include "TwipsPerPixel.h"

#include <algorithm>
#include <cmath>

namespace layout {

// The one place where the design's twips become pixels: 15 twips each at 96
// dots per inch. Both windows place their controls with these.

inline int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / controls::TwipsPerPixel));
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; } // one past the last column
    int bottom() const { return top + height; }
};

// A line's two end points.
struct PixelLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// A control's rectangle, relative to its container's inside.
inline PixelRect pixelBounds(const ControlEntry& entry) {
    return {toPixels(entry.left), toPixels(entry.top), toPixels(entry.width),
            toPixels(entry.height)};
}

inline PixelLine linePixels(const ControlEntry& line) {
    return {toPixels(line.x1), toPixels(line.y1), toPixels(line.x2), toPixels(line.y2)};
}

// Whether `kind` is painted on the window's own surface rather than being a
// child window.
inline bool isSurfaceKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Line || kind == ControlKind::Shape ||
           kind == ControlKind::Image;
}

// Whether each window makes `kind` a child window (widget) of its own.
inline bool isChildWindowKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::PictureBox ||
           kind == ControlKind::TextBox;
}

// The pixels a surface control may paint: its box, or a line with its width
// (the round ends reach past the end points).
inline PixelRect surfacePixelBounds(const ControlEntry& entry) {
    if (entry.kind != ControlKind::Line) {
        return pixelBounds(entry);
    }
    const PixelLine l = linePixels(entry);
    const int reach = entry.settings.borderPixels;
    const int left = std::min(l.x1, l.x2) - reach;
    const int top = std::min(l.y1, l.y2) - reach;
    return {left, top, std::max(l.x1, l.x2) + reach + 1 - left,
            std::max(l.y1, l.y2) + reach + 1 - top};
}

} // namespace layout
