#include "DrawingRaster.h"

#include "PixelRaster.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <cstring>

namespace {

QImage toImage(const PixelRaster& raster) {
    QImage image(raster.width, raster.height, QImage::Format_ARGB32);
    for (int y = 0; y < raster.height; ++y) {
        std::memcpy(image.scanLine(y), raster.argb.data() + std::size_t(y) * raster.width,
                    std::size_t(raster.width) * sizeof(std::uint32_t));
    }
    return image;
}

// The vectors scaled so the frame covers the natural size times the ratio.
QImage paintVectors(const Drawing& drawing, double ratio) {
    const QSize size = drawingPixelSize(drawing) * ratio;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (image.isNull() || drawing.widthTwips <= 0 || drawing.heightTwips <= 0) {
        return image;
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(size.width() / drawing.widthTwips, size.height() / drawing.heightTwips);
    for (const auto& polygon : drawing.polygons) {
        QPolygonF points;
        points.reserve(static_cast<qsizetype>(polygon.points.size()));
        for (const auto& p : polygon.points) {
            points.append(QPointF(p.x, p.y));
        }
        if (polygon.outline) {
            const Rgb& c = *polygon.outline;
            QPen pen(QColor(c.red, c.green, c.blue), ratio);
            pen.setCosmetic(true);
            painter.setPen(pen);
        } else {
            painter.setPen(Qt::NoPen);
        }
        painter.setBrush(QColor(polygon.colour.red, polygon.colour.green, polygon.colour.blue));
        painter.drawPolygon(points, polygon.rule == FillRule::Alternate ? Qt::OddEvenFill
                                                                        : Qt::WindingFill);
    }
    return image;
}

} // namespace

QSize drawingPixelSize(const Drawing& drawing) {
    return {drawing.widthPixels, drawing.heightPixels};
}

QImage rasteriseDrawing(const Drawing& drawing, double devicePixelRatio) {
    QImage image = devicePixelRatio == 1.0 ? toImage(rasteriseAtNaturalSize(drawing))
                                           : paintVectors(drawing, devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}
