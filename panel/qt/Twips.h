#pragma once

#include "ControlTable.h"
#include "PixelGeometry.h"

#include <QPoint>
#include <QRect>

// The control table's pixel geometry as Qt types (Qt scales the whole window
// on denser screens).

inline QRect pixelRect(const ControlEntry& entry) {
    const PixelRect r = pixelBounds(entry);
    return {r.left, r.top, r.width, r.height};
}

inline QPoint lineStart(const ControlEntry& line) {
    const PixelPoint p = lineStartPixels(line);
    return {p.x, p.y};
}
inline QPoint lineEnd(const ControlEntry& line) {
    const PixelPoint p = lineEndPixels(line);
    return {p.x, p.y};
}
