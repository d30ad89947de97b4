#pragma once

#include "Drawing.h"

#include <cstdint>
#include <vector>

namespace metafile {

// A drawing as pixels at its natural size: 0xAARRGGBB row by row from the
// top, 0 where nothing is drawn and opaque colours elsewhere.
struct PixelRaster {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;

    std::uint32_t at(int x, int y) const { return argb[std::size_t(y) * width + x]; }
};

// The largest picture drawn, in pixels; a file that declares more is drawn
// as an empty picture rather than exhaust the memory.
inline constexpr long long MaxRasterPixels = 4096LL * 4096;

// Draws each polygon in turn as GDI does at one picture pixel per device
// pixel: the brush fills its inside, then the pen sets its outline.
PixelRaster rasteriseAtNaturalSize(const Drawing& drawing);

// The same at another size, `width` by `height` pixels: the corners scaled
// from their twips and rounded to whole pixels, then drawn as above, so the
// figure stays sharp on a denser screen.
PixelRaster rasteriseAtSize(const Drawing& drawing, int width, int height);

} // namespace metafile
