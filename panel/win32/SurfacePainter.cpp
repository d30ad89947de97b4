#include "SurfacePainter.h"

#include "GdiColours.h"
#include "LabelText.h"
#include "PixelGeometry.h"
#include "WideLine.h"

SurfacePainter::SurfacePainter(HDC dc, const WindowFonts& fonts, const DisplayScale& scale)
    : dc_(dc)
    , fonts_(fonts)
    , scale_(scale) {}

RECT SurfacePainter::bounds(const ControlEntry& entry, const DisplayScale& scale) {
    const PixelRect r = scale.rect(surfacePixelBounds(entry));
    return {r.left, r.top, r.right(), r.bottom()};
}

void SurfacePainter::paint(const ControlEntry& entry, const PanelPicture* picture) {
    if (!entry.settings.visible) {
        return;
    }
    const int saved = SaveDC(dc_);
    switch (entry.kind) {
    case ControlKind::Label:
        paintLabel(dc_, entry, fonts_, scale_);
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
    RestoreDC(dc_, saved);
}

void SurfacePainter::paintLine(const ControlEntry& entry) {
    const COLORREF colour = toColorRef(entry.settings.border.value_or(ShapeOutline));
    const int width = entry.settings.borderPixels;
    const PixelLine l = linePixels(entry);
    if (width > 1) {
        // The pixels the Qt panel sets too: GDI's wide pens and Qt's
        // disagree along the edges, and GDI's differ between Windows and Wine.
        for (const PixelSpan& s : wideLineSpans(l, width, scale_)) {
            fillPixels(dc_, s.left, s.y, s.right - s.left, 1, colour);
        }
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, scale_.length(width), colour);
    HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, scale_.edge(l.x1), scale_.edge(l.y1), nullptr);
    LineTo(dc_, scale_.edge(l.x2), scale_.edge(l.y2));
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void SurfacePainter::fill(const PixelRect& r, COLORREF colour) {
    const PixelRect d = scale_.rect(r);
    fillPixels(dc_, d.left, d.top, d.width, d.height, colour);
}

void SurfacePainter::paintShape(const ControlEntry& entry) {
    const ControlSettings& s = entry.settings;
    const PixelRect box = pixelBounds(entry);
    if (s.opaqueBack && s.back) {
        fill(box, toColorRef(*s.back));
    }
    if (s.fill) {
        fill(box, toColorRef(*s.fill));
    }
    // The outline lies inside the shape's bounds, whatever its width; each
    // side is scaled as a rectangle of its own, as the Qt panel fills it.
    const COLORREF outline = toColorRef(s.border.value_or(ShapeOutline));
    const int w = s.borderPixels;
    fill({box.left, box.top, box.width, w}, outline);
    fill({box.left, box.bottom() - w, box.width, w}, outline);
    fill({box.left, box.top, w, box.height}, outline);
    fill({box.right() - w, box.top, w, box.height}, outline);
}

void SurfacePainter::paintImage(const ControlEntry& entry, const PanelPicture* picture) {
    if (!picture) {
        return;
    }
    const PixelRect box = pixelBounds(entry);
    const PixelRect clip = scale_.rect(box);
    IntersectClipRect(dc_, clip.left, clip.top, clip.right(), clip.bottom());
    picture->paint(dc_, {box.left, box.top, scale_});
}
