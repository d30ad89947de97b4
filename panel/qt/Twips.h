#pragma once

#include "ControlTable.h"
#include "PixelGeometry.h"

#include <QPoint>
#include <QRect>

// The control table's pixel geometry as Qt types (Qt scales the whole window
// on denser screens).

inline QRect toQRect(const layout::PixelRect& r) {
    return {r.left, r.top, r.width, r.height};
}

inline QRect pixelRect(const layout::ControlEntry& entry) {
    return toQRect(pixelBounds(entry));
}

inline QPoint lineStart(const layout::ControlEntry& line) {
    const layout::PixelLine l = linePixels(line);
    return {l.x1, l.y1};
}
inline QPoint lineEnd(const layout::ControlEntry& line) {
    const layout::PixelLine l = linePixels(line);
    return {l.x2, l.y2};
}
