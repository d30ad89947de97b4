#pragma once

#include "ControlTable.h"
#include "DisplayScale.h"

#include <string>

// A control's place in the window's client area, in pixels at 96 dpi.
struct ControlRect {
    int x = 0, y = 0, width = 0, height = 0;

    bool contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

// The name, and for a label its caption with runs of spaces folded and a long
// one cut, to tell it at a glance in a failure: "Label8 (Fifth Floor)".
std::string describeControl(const layout::ControlEntry& entry);

const char* kindName(layout::ControlKind kind);

// The rectangle of a control, nested boxes placed inside their containers.
// A line gets the box around it, widened by its thickness.
ControlRect controlRect(const layout::ControlEntry& entry);

// The same rectangle in device pixels at `scale`, its edges scaled as both
// windows scale them.
inline ControlRect scaledRect(const ControlRect& r, const layout::DisplayScale& scale) {
    const layout::PixelRect d = scale.rect({r.x, r.y, r.width, r.height});
    return {d.left, d.top, d.width, d.height};
}

// How many boxes a control lies in (0 for a control of the window itself).
int nestingDepth(const layout::ControlEntry& entry);
