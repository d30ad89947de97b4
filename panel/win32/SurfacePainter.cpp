#include "SurfacePainter.h"

#include "GdiColours.h"
#include "LabelText.h"
#include "PixelGeometry.h"
#include "ShapeFills.h"
#include "WideLine.h"

using namespace layout;

namespace {

// Each control starts from the device context as the window set it up, and
// leaves it so.
class SavedDc {
public:
    explicit SavedDc(HDC dc)
        : dc_(dc)
        , saved_(SaveDC(dc)) {}
    ~SavedDc() { RestoreDC(dc_, saved_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace

SurfacePainter::SurfacePainter(HDC dc, const WindowFonts& fonts, const DisplayScale& scale,
                               PictureOf pictureOf)
    : dc_(dc)
    , fonts_(fonts)
    , scale_(scale)
    , pictureOf_(std::move(pictureOf)) {}

RECT SurfacePainter::bounds(const ControlEntry& entry, const DisplayScale& scale) {
    const PixelRect r = scale.rect(surfacePixelBounds(entry));
    return {r.left, r.top, r.right(), r.bottom()};
}

void SurfacePainter::paintLabel(const ControlEntry& label) {
    const SavedDc saved(dc_);
    ::paintLabel(dc_, label, fonts_, scale_);
}

void SurfacePainter::paintLine(const ControlEntry& line) {
    const SavedDc saved(dc_);
    const COLORREF colour = toColorRef(line.settings.border.value_or(ShapeOutline));
    const int width = line.settings.borderPixels;
    const PixelLine l = linePixels(line);
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

void SurfacePainter::paintShape(const ControlEntry& shape) {
    const SavedDc saved(dc_);
    for (const ShapeFill& shapeFill : ShapeFills(shape)) {
        fill(shapeFill.rect, toColorRef(shapeFill.colour));
    }
}

void SurfacePainter::paintImage(const ControlEntry& image) {
    const PanelPicture* picture = pictureOf_(image.id);
    if (!picture) {
        return;
    }
    const SavedDc saved(dc_);
    const PixelRect box = pixelBounds(image);
    const PixelRect clip = scale_.rect(box);
    IntersectClipRect(dc_, clip.left, clip.top, clip.right(), clip.bottom());
    picture->paint(dc_, {box.left, box.top, scale_});
}
