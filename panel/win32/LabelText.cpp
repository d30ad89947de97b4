#include "LabelText.h"

#include "GdiColours.h"
#include "LabelLayout.h"
#include "RasterFace.h"

#include <string>

using namespace layout;

namespace {

int textWidth(HDC dc, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The raster face lays out and draws each line itself, underline included.
void drawRasterLines(HDC dc, const ControlEntry& label) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const TextWidth measure = [dc](std::string_view text) {
        return textWidth(dc, text);
    };
    for (const LabelLine& line : layOutLabel(label, measure, metrics.tmHeight)) {
        TextOutA(dc, line.x, line.top, line.text.data(), static_cast<int>(line.text.size()));
    }
}

// Another face: lines broken and words placed where the raster face puts them,
// scaled, each word drawn on the raster face's baseline, and the underline
// drawn once under the whole line as the raster face draws it: one pixel, on
// the row right under the glyphs.
void drawPlacedWords(HDC dc, const ControlEntry& label, bool underlined, COLORREF colour,
                     const DisplayScale& scale) {
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    const TextWidth measure = [](std::string_view text) {
        return rasterface::width(text);
    };
    for (const LabelLine& line : layOutLabel(label, measure, rasterface::LineHeight)) {
        const int baseline = line.top + rasterface::Ascent;
        for (const PlacedWord& word : placeWords(line.text, measure)) {
            TextOutA(dc, scale.edge(line.x + word.x), scale.edge(baseline), word.text.data(),
                     static_cast<int>(word.text.size()));
        }
        if (underlined && !line.text.empty()) {
            const PixelRect r = scale.rect(underline(line, baseline, measure));
            fillPixels(dc, r.left, r.top, r.width, r.height, colour);
        }
    }
}

} // namespace

void paintLabel(HDC dc, const ControlEntry& label, const WindowFonts& fonts,
                const DisplayScale& scale) {
    const ControlSettings& s = label.settings;
    const PixelRect box = scale.rect(pixelBounds(label));
    fillPixels(dc, box.left, box.top, box.width, box.height,
               toColorRef(s.back.value_or(LabelBack)));
    IntersectClipRect(dc, box.left, box.top, box.right(), box.bottom());

    const COLORREF colour = toColorRef(s.fore.value_or(LabelText));
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    if (fonts.isRasterFace() && scale.isOne()) {
        SelectObject(dc, s.portFont ? fonts.portLabel() : fonts.window());
        SetTextAlign(dc, TA_TOP | TA_LEFT);
        drawRasterLines(dc, label);
    } else {
        SelectObject(dc, fonts.window());
        drawPlacedWords(dc, label, s.portFont, colour, scale);
    }
}
