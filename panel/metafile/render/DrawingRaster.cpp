#include "DrawingRaster.h"

#include "PixelRaster.h"

#include <cstring>

namespace metafile {

namespace {

QImage toImage(const PixelRaster& raster) {
    QImage image(raster.width, raster.height, QImage::Format_ARGB32);
    for (int y = 0; y < raster.height; ++y) {
        std::memcpy(image.scanLine(y), raster.argb.data() + std::size_t(y) * raster.width,
                    std::size_t(raster.width) * sizeof(std::uint32_t));
    }
    return image;
}

} // namespace

QSize drawingPixelSize(const Drawing& drawing) {
    return {drawing.widthPixels, drawing.heightPixels};
}

QImage rasteriseDrawing(const Drawing& drawing, double devicePixelRatio) {
    const QSize size = drawingPixelSize(drawing) * devicePixelRatio;
    QImage image = toImage(rasteriseAtSize(drawing, size.width(), size.height()));
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace metafile
