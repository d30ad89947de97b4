#include "DisplayScale.h"
#include "PanelPicture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace layout;

// On a denser screen an image repeats whole pixels, and which columns and rows
// it repeats at a fractional ratio is the rule both panels draw by
// (DisplayScale::sourcePixel). Qt 6.4 happens to pick the same ones when it
// scales an image itself; Qt 6.8 picks others at 1.25, which this catches.

namespace {

// The device pixels of `canvas` that a picture of `source`'s size, its corner
// at window pixel `origin`, covers and that differ from the rule's pick.
int offRule(const QImage& canvas, const QImage& source, QPoint origin, const DisplayScale& scale) {
    int differ = 0;
    for (int y = scale.edge(origin.y()); y < scale.edge(origin.y() + source.height()); ++y) {
        const int sy = scale.sourcePixel(y, origin.y(), source.height());
        for (int x = scale.edge(origin.x()); x < scale.edge(origin.x() + source.width()); ++x) {
            const int sx = scale.sourcePixel(x, origin.x(), source.width());
            differ += (canvas.pixel(x, y) | 0xFF000000) != (source.pixel(sx, sy) | 0xFF000000);
        }
    }
    return differ;
}

TEST(ImagePicture, RepeatsTheColumnsAndRowsOfThePanelsRule) {
    const PictureRef lamp = loadPicture(Picture::SquareLamp);
    ASSERT_NE(lamp, nullptr);
    const QImage source = QImage(":/art/lamp-square.bmp", "BMP");
    ASSERT_EQ(source.size(), lamp->size());
    // The lamps' own places, and corners that fall between device pixels.
    for (const QPoint origin : {QPoint(392, 272), QPoint(48, 336), QPoint(3, 5), QPoint(0, 0)}) {
        for (const double ratio : {1.25, 1.5, 1.75, 2.0}) {
            const DisplayScale scale(ratio);
            QImage canvas(scale.length(origin.x() + source.width() + 2),
                          scale.length(origin.y() + source.height() + 2), QImage::Format_RGB32);
            canvas.fill(Qt::magenta);
            canvas.setDevicePixelRatio(ratio);
            QPainter painter(&canvas);
            painter.translate(origin);
            lamp->paint(painter);
            painter.end();
            EXPECT_EQ(offRule(canvas, source, origin, scale), 0)
                << "at ratio " << ratio << ", corner " << origin.x() << "," << origin.y();
        }
    }
}

} // namespace
