#pragma once

#include "ControlTable.h"
#include "PixelGeometry.h"

namespace layout {

// A control's rectangle in the window, nested boxes placed inside their
// containers.
inline PixelRect windowPixelBounds(const ControlEntry& entry) {
    PixelRect r = pixelBounds(entry);
    for (const ControlEntry* c = findControl(entry.container); c; c = findControl(c->container)) {
        const PixelRect outer = pixelBounds(*c);
        r.left += outer.left;
        r.top += outer.top;
    }
    return r;
}

} // namespace layout
