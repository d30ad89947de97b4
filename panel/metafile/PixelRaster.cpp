#include "PixelRaster.h"

#include "PenOutline.h"
#include "PolygonFill.h"

#include <algorithm>
#include <cmath>

namespace metafile {

namespace {

std::uint32_t opaque(const Rgb& c) {
    return 0xFF000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

} // namespace

PixelRaster rasteriseAtNaturalSize(const Drawing& drawing) {
    PixelRaster raster;
    if (drawing.widthPixels <= 0 || drawing.heightPixels <= 0 ||
        static_cast<long long>(drawing.widthPixels) * drawing.heightPixels > MaxRasterPixels) {
        return raster;
    }
    raster.width = drawing.widthPixels;
    raster.height = drawing.heightPixels;
    raster.argb.assign(std::size_t(raster.width) * raster.height, 0);

    for (const FilledPolygon& polygon : drawing.polygons) {
        // A polygon of fewer than two corners is refused whole, as GDI does.
        if (polygon.pixels.size() < 2) {
            continue;
        }
        const std::uint32_t fill = opaque(polygon.colour);
        for (const PixelSpan& span :
             polygonSpans(polygon.pixels, polygon.rule, raster.width, raster.height)) {
            const auto row = raster.argb.begin() + std::ptrdiff_t(span.y) * raster.width;
            std::fill(row + span.left, row + span.right, fill);
        }
        if (polygon.outline) {
            const std::uint32_t pen = opaque(*polygon.outline);
            for (const PixelPoint& p : outlinePixels(polygon.pixels, raster.width, raster.height)) {
                raster.argb[std::size_t(p.y) * raster.width + p.x] = pen;
            }
        }
    }
    return raster;
}

PixelRaster rasteriseAtSize(const Drawing& drawing, int width, int height) {
    if (width == drawing.widthPixels && height == drawing.heightPixels) {
        return rasteriseAtNaturalSize(drawing);
    }
    if (drawing.widthTwips <= 0 || drawing.heightTwips <= 0) {
        return {};
    }
    Drawing scaled = drawing;
    scaled.widthPixels = width;
    scaled.heightPixels = height;
    const double sx = width / drawing.widthTwips;
    const double sy = height / drawing.heightTwips;
    for (FilledPolygon& polygon : scaled.polygons) {
        for (std::size_t i = 0; i < polygon.pixels.size() && i < polygon.points.size(); ++i) {
            polygon.pixels[i] = {static_cast<int>(std::floor(polygon.points[i].x * sx + 0.5)),
                                 static_cast<int>(std::floor(polygon.points[i].y * sy + 0.5))};
        }
    }
    return rasteriseAtNaturalSize(scaled);
}

} // namespace metafile
