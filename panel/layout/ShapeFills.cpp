#include "ShapeFills.h"

#include <algorithm>

namespace layout {

ShapeFills::ShapeFills(const ControlEntry& shape) {
    const ControlSettings& s = shape.settings;
    const PixelRect box = pixelBounds(shape);
    if (s.opaqueBack && s.back) {
        add(box, *s.back);
    }
    if (s.fill) {
        add(box, *s.fill);
    }
    for (const PixelRect& strip : outlineStrips(box, s.borderPixels)) {
        add(strip, s.border.value_or(ShapeOutline));
    }
}

std::array<PixelRect, 4> outlineStrips(const PixelRect& box, int width) {
    const int across = std::clamp(width, 0, box.height);
    const int down = std::clamp(width, 0, box.width);
    return {{{box.left, box.top, box.width, across},
             {box.left, box.bottom() - across, box.width, across},
             {box.left, box.top, down, box.height},
             {box.right() - down, box.top, down, box.height}}};
}

} // namespace layout
