#include "SurfacePainter.h"

#include "LabelPainter.h"
#include "PanelLook.h"
#include "Twips.h"
#include "WideLine.h"

#include <QPainter>

QRect surfaceBounds(const ControlEntry& entry) {
    const PixelRect r = surfacePixelBounds(entry);
    return {r.left, r.top, r.width, r.height};
}

SurfacePainter::SurfacePainter(QPainter& painter, const PanelLook& look)
    : painter_(painter)
    , look_(look) {}

void SurfacePainter::paint(const ControlEntry& entry, const PictureRef& picture) {
    if (!entry.settings.visible) {
        return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    switch (entry.kind) {
    case ControlKind::Label:
        paintLabel(painter_, entry, look_);
        break;
    case ControlKind::Line:
        paintLine(entry);
        break;
    case ControlKind::Shape:
        paintShape(entry);
        break;
    case ControlKind::Image:
        paintImage(entry, picture);
        break;
    default:
        break;
    }
    painter_.restore();
}

void SurfacePainter::paintLine(const ControlEntry& entry) {
    const QColor colour = look_.colour(entry.settings.border.value_or(ShapeOutline));
    const int width = entry.settings.borderPixels;
    if (width > 1) {
        // The device pixels the Windows panel sets too, at every pixel ratio.
        const qreal ratio = painter_.device() ? painter_.device()->devicePixelRatioF() : 1.0;
        for (const PixelSpan& s : wideLineSpans(linePixels(entry), width, DisplayScale(ratio))) {
            painter_.fillRect(
                QRectF(s.left / ratio, s.y / ratio, (s.right - s.left) / ratio, 1 / ratio), colour);
        }
        return;
    }
    QPen pen(colour);
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    painter_.setPen(pen);
    painter_.drawLine(lineStart(entry), lineEnd(entry));
}

void SurfacePainter::paintShape(const ControlEntry& entry) {
    const ControlSettings& s = entry.settings;
    const QRect box = pixelRect(entry);
    if (s.opaqueBack && s.back) {
        painter_.fillRect(box, look_.colour(*s.back));
    }
    if (s.fill) {
        painter_.fillRect(box, look_.colour(*s.fill));
    }
    // The outline lies inside the shape's bounds, whatever its width.
    const QColor outline = look_.colour(s.border.value_or(ShapeOutline));
    const int w = s.borderPixels;
    painter_.fillRect(QRect(box.left(), box.top(), box.width(), w), outline);
    painter_.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), outline);
    painter_.fillRect(QRect(box.left(), box.top(), w, box.height()), outline);
    painter_.fillRect(QRect(box.right() - w + 1, box.top(), w, box.height()), outline);
}

void SurfacePainter::paintImage(const ControlEntry& entry, const PictureRef& picture) {
    if (!picture) {
        return;
    }
    const QRect box = pixelRect(entry);
    painter_.setClipRect(box, Qt::IntersectClip);
    painter_.translate(box.topLeft());
    picture->paint(painter_);
}
