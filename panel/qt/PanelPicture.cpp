#include "PanelPicture.h"

#include "DisplayScale.h"
#include "DrawingRaster.h"
#include "MetafilePlayer.h"
#include "PanelArt.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>

#include <array>

using namespace metafile;
using namespace layout;

// The pictures are the embedded files of panel/art. Qt reads the GIF, bitmap
// and icon files; the passenger metafile goes through the panel's own player.

namespace {

// An image drawn on a denser screen repeats whole pixels, without blending.
// Which columns and rows it repeats at a fractional ratio is the panel's own
// rule (DisplayScale::sourcePixel), which the Windows panel follows too: Qt
// 6.4 picks them the same way, Qt 6.8 others at 1.25. So the image is scaled
// here and Qt only copies it, one pixel to a device pixel.
class ImagePicture final : public PanelPicture {
public:
    explicit ImagePicture(QImage image)
        : image_(std::move(image)) {}
    QSize size() const override { return image_.size(); }
    void paint(QPainter& painter) const override {
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        if (ratio == 1.0 || image_.isNull()) {
            painter.drawImage(0, 0, image_);
            return;
        }
        // Where the picture's corner stands in the window, in window pixels.
        const QPointF device = painter.deviceTransform().map(QPointF(0, 0));
        const QPoint origin(qRound(device.x() / ratio), qRound(device.y() / ratio));
        if (scaled_.isNull() || scaled_.devicePixelRatio() != ratio || scaledOrigin_ != origin) {
            scaled_ = scaledImage(DisplayScale(ratio), origin);
            scaledOrigin_ = origin;
        }
        painter.drawImage(QPointF(0, 0), scaled_);
    }

private:
    QImage scaledImage(const DisplayScale& scale, QPoint origin) const {
        const QImage source = image_.convertToFormat(QImage::Format_ARGB32);
        const int left = scale.edge(origin.x());
        const int top = scale.edge(origin.y());
        QImage out(scale.edge(origin.x() + source.width()) - left,
                   scale.edge(origin.y() + source.height()) - top, QImage::Format_ARGB32);
        for (int row = 0; row < out.height(); ++row) {
            const int sy = scale.sourcePixel(top + row, origin.y(), source.height());
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(row));
            for (int col = 0; col < out.width(); ++col) {
                line[col] = in[scale.sourcePixel(left + col, origin.x(), source.width())];
            }
        }
        out.setDevicePixelRatio(scale.ratio());
        return out;
    }

    QImage image_;
    mutable QImage scaled_; // for the last ratio and place painted at
    mutable QPoint scaledOrigin_;
};

// A vector drawing: rasterised at one pixel per 15 twips, and again from the
// vectors for a denser screen, so it stays sharp there.
class DrawingPicture final : public PanelPicture {
public:
    explicit DrawingPicture(Drawing drawing)
        : drawing_(std::move(drawing))
        , size_(drawingPixelSize(drawing_)) {}
    QSize size() const override { return size_; }
    void paint(QPainter& painter) const override {
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        if (raster_.isNull() || raster_.devicePixelRatio() != ratio) {
            raster_ = rasteriseDrawing(drawing_, ratio);
        }
        painter.drawImage(QPointF(0, 0), raster_);
    }

private:
    Drawing drawing_;
    QSize size_;
    mutable QImage raster_; // for the last pixel ratio painted at
};

const char* fileOf(Picture which) {
    switch (which) {
    case Picture::WhiteLamp:
        return ":/art/lamp-white.gif";
    case Picture::RedLamp:
        return ":/art/lamp-red.gif";
    case Picture::BlueLamp:
        return ":/art/lamp-blue.gif";
    case Picture::SquareLamp:
        return ":/art/lamp-square.bmp";
    case Picture::Passenger:
        return ":/art/passenger.wmf";
    case Picture::Digit0:
        return ":/art/digit0.gif";
    case Picture::Digit1:
        return ":/art/digit1.gif";
    case Picture::Digit2:
        return ":/art/digit2.gif";
    case Picture::Digit3:
        return ":/art/digit3.gif";
    case Picture::Digit4:
        return ":/art/digit4.gif";
    case Picture::Digit5:
        return ":/art/digit5.gif";
    case Picture::None:
        break;
    }
    return nullptr;
}

// Reads an image in the format its name gives. Left to guess, Qt would load
// every image plugin installed to ask whether it reads a bitmap.
QImage readImage(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// A picture that cannot be read shows as nothing rather than stop the panel.
PictureRef makePicture(Picture which) {
    initPanelArt();
    const QString path = QString::fromLatin1(fileOf(which));
    if (which != Picture::Passenger) {
        return std::make_shared<ImagePicture>(readImage(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::make_shared<ImagePicture>(QImage());
    }
    const QByteArray bytes = file.readAll();
    try {
        return std::make_shared<DrawingPicture>(playMetafile(std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()))));
    } catch (const MetafileError&) {
        return std::make_shared<ImagePicture>(QImage());
    }
}

} // namespace

PictureRef loadPicture(Picture which) {
    static std::array<PictureRef, 12> cache;
    if (which == Picture::None) {
        return nullptr;
    }
    auto& slot = cache[static_cast<std::size_t>(which)];
    if (!slot) {
        slot = makePicture(which);
    }
    return slot;
}
