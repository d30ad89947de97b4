#pragma once

#include "ControlTable.h"
#include "DisplayScale.h"

namespace layout {

// The window's own surface as a front end draws it: one call for each kind of
// control that lies there rather than in a child window. paintSurface decides
// which controls are painted and in what order, so both windows agree on it;
// a front end only turns each call into its toolkit's drawing.
class Surface {
public:
    virtual void paintLabel(const ControlEntry& label) = 0;
    virtual void paintLine(const ControlEntry& line) = 0;
    virtual void paintShape(const ControlEntry& shape) = 0;
    virtual void paintImage(const ControlEntry& image) = 0;

protected:
    ~Surface() = default;
};

// Paints `entry` if it is a surface control and visible.
void paintSurfaceControl(Surface& surface, const ControlEntry& entry);

// Paints every surface control whose pixels at `scale` meet `damage` (device
// pixels), from the end of the table to its start, so that an earlier entry
// lies over a later one.
void paintSurface(Surface& surface, const PixelRect& damage, const DisplayScale& scale = {});

// Whether two rectangles share a pixel; an empty one meets nothing.
bool overlaps(const PixelRect& a, const PixelRect& b);

} // namespace layout
