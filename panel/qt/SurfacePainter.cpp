#include "SurfacePainter.h"

#include "LabelPainter.h"
#include "PanelLook.h"
#include "ShapeFills.h"
#include "Twips.h"
#include "WideLine.h"

#include <QPainter>

using namespace layout;

namespace {

// Each control starts from the painter's state as the window set it up,
// without antialiasing, and leaves it so.
class FreshState {
public:
    explicit FreshState(QPainter& painter)
        : painter_(painter) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    ~FreshState() { painter_.restore(); }
    FreshState(const FreshState&) = delete;
    FreshState& operator=(const FreshState&) = delete;

private:
    QPainter& painter_;
};

} // namespace

SurfacePainter::SurfacePainter(QPainter& painter, const PanelLook& look, PictureOf pictureOf)
    : painter_(painter)
    , look_(look)
    , pictureOf_(std::move(pictureOf)) {}

void SurfacePainter::paintLabel(const ControlEntry& label) {
    const FreshState state(painter_);
    ::paintLabel(painter_, label, look_);
}

void SurfacePainter::paintLine(const ControlEntry& line) {
    const FreshState state(painter_);
    const QColor colour = look_.colour(line.settings.border.value_or(ShapeOutline));
    const int width = line.settings.borderPixels;
    if (width > 1) {
        // The device pixels the Windows panel sets too, at every pixel ratio.
        const qreal ratio = painter_.device() ? painter_.device()->devicePixelRatioF() : 1.0;
        for (const PixelSpan& s : wideLineSpans(linePixels(line), width, DisplayScale(ratio))) {
            painter_.fillRect(
                QRectF(s.left / ratio, s.y / ratio, (s.right - s.left) / ratio, 1 / ratio), colour);
        }
        return;
    }
    QPen pen(colour);
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    painter_.setPen(pen);
    painter_.drawLine(lineStart(line), lineEnd(line));
}

void SurfacePainter::paintShape(const ControlEntry& shape) {
    const FreshState state(painter_);
    for (const ShapeFill& fill : ShapeFills(shape)) {
        painter_.fillRect(toQRect(fill.rect), look_.colour(fill.colour));
    }
}

void SurfacePainter::paintImage(const ControlEntry& image) {
    const PictureRef picture = pictureOf_(image.id);
    if (!picture) {
        return;
    }
    const FreshState state(painter_);
    const QRect box = pixelRect(image);
    painter_.setClipRect(box, Qt::IntersectClip);
    painter_.translate(box.topLeft());
    picture->paint(painter_);
}
