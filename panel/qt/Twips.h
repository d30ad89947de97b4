#pragma once

#include "ControlTable.h"

#include <QPoint>
#include <QRect>

#include <cmath>

// The one place where the design's twips become logical pixels (15 twips each
// at 96 dots per inch; Qt scales the whole window on denser screens).

inline int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

inline QRect pixelRect(const ControlEntry& entry) {
    return {toPixels(entry.left), toPixels(entry.top), toPixels(entry.width),
            toPixels(entry.height)};
}

inline QPoint lineStart(const ControlEntry& line) {
    return {toPixels(line.x1), toPixels(line.y1)};
}
inline QPoint lineEnd(const ControlEntry& line) {
    return {toPixels(line.x2), toPixels(line.y2)};
}
