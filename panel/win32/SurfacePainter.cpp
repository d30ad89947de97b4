#include "SurfacePainter.h"

#include "GdiColours.h"
#include "LabelText.h"
#include "PixelGeometry.h"
#include "WideLine.h"

SurfacePainter::SurfacePainter(HDC dc, const WindowFonts& fonts)
    : dc_(dc)
    , fonts_(fonts) {}

RECT SurfacePainter::bounds(const ControlEntry& entry) {
    const PixelRect r = surfacePixelBounds(entry);
    return {r.left, r.top, r.right(), r.bottom()};
}

void SurfacePainter::paint(const ControlEntry& entry, const PanelPicture* picture) {
    if (!entry.settings.visible) {
        return;
    }
    const int saved = SaveDC(dc_);
    switch (entry.kind) {
    case ControlKind::Label:
        paintLabel(dc_, entry, fonts_);
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
        for (const PixelSpan& s : wideLineSpans(l, width)) {
            fillPixels(dc_, s.left, s.y, s.right - s.left, 1, colour);
        }
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, l.x1, l.y1, nullptr);
    LineTo(dc_, l.x2, l.y2);
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void SurfacePainter::paintShape(const ControlEntry& entry) {
    const ControlSettings& s = entry.settings;
    const PixelRect box = pixelBounds(entry);
    if (s.opaqueBack && s.back) {
        fillPixels(dc_, box.left, box.top, box.width, box.height, toColorRef(*s.back));
    }
    if (s.fill) {
        fillPixels(dc_, box.left, box.top, box.width, box.height, toColorRef(*s.fill));
    }
    // The outline lies inside the shape's bounds, whatever its width.
    const COLORREF outline = toColorRef(s.border.value_or(ShapeOutline));
    const int w = s.borderPixels;
    fillPixels(dc_, box.left, box.top, box.width, w, outline);
    fillPixels(dc_, box.left, box.bottom() - w, box.width, w, outline);
    fillPixels(dc_, box.left, box.top, w, box.height, outline);
    fillPixels(dc_, box.right() - w, box.top, w, box.height, outline);
}

void SurfacePainter::paintImage(const ControlEntry& entry, const PanelPicture* picture) {
    if (!picture) {
        return;
    }
    const PixelRect box = pixelBounds(entry);
    IntersectClipRect(dc_, box.left, box.top, box.right(), box.bottom());
    picture->paint(dc_, box.left, box.top);
}
