#include "DrawingRaster.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

// Twips in one pixel at 96 dots per inch.
constexpr double TwipsInPixel = 15.0;

} // namespace

QSize drawingPixelSize(const Drawing& drawing) {
    return {static_cast<int>(std::lround(drawing.widthTwips / TwipsInPixel)),
            static_cast<int>(std::lround(drawing.heightTwips / TwipsInPixel))};
}

QImage rasteriseDrawing(const Drawing& drawing, double devicePixelRatio) {
    const double scale = devicePixelRatio / TwipsInPixel;
    QImage image(static_cast<int>(std::lround(drawing.widthTwips * scale)),
                 static_cast<int>(std::lround(drawing.heightTwips * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.scale(scale, scale);
    for (const auto& polygon : drawing.polygons) {
        QPolygonF points;
        points.reserve(static_cast<qsizetype>(polygon.points.size()));
        for (const auto& p : polygon.points) {
            points.append(QPointF(p.x, p.y));
        }
        painter.setBrush(QColor(polygon.colour.red, polygon.colour.green, polygon.colour.blue));
        painter.drawPolygon(points, polygon.rule == FillRule::Alternate ? Qt::OddEvenFill
                                                                        : Qt::WindingFill);
    }
    painter.end();

    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}
