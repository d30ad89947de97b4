#include "ShapeOutline.h"

#include <algorithm>

std::array<PixelRect, 4> outlineStrips(const PixelRect& box, int width) {
    const int across = std::clamp(width, 0, box.height);
    const int down = std::clamp(width, 0, box.width);
    return {{{box.left, box.top, box.width, across},
             {box.left, box.bottom() - across, box.width, across},
             {box.left, box.top, down, box.height},
             {box.right() - down, box.top, down, box.height}}};
}
