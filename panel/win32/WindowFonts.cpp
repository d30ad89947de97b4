#include "WindowFonts.h"

#include "RasterFace.h"

#include <cwchar>

using namespace layout;

namespace {

constexpr int CellPixels = 11;

// The port labels' font is stored with character set 177, but asking the font
// mapper for it would trade the face for one that has that set; the labels
// only hold Latin letters, so both fonts ask for the same face.
HFONT createFont(const wchar_t* face, int cellPixels, bool underline) {
    LOGFONTW font{};
    font.lfHeight = -cellPixels;
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

// Whether `font` is a raster face with the 96-dot design's advance widths.
// The name alone does not tell: a system once set to 120 dots per inch or
// more keeps a wider set of glyphs under the same name.
bool hasRasterDesign(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    bool same = (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) == 0;
    for (char c = rasterface::FirstChar; same && c <= rasterface::LastChar; ++c) {
        SIZE size{};
        GetTextExtentPoint32A(dc, &c, 1, &size);
        same = size.cx == rasterface::advance(c);
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return same;
}

} // namespace

WindowFonts::WindowFonts(const DisplayScale& scale, const wchar_t* face) {
    if (scale.isOne()) {
        window_ = createFont(face, CellPixels, false);
        rasterFace_ = hasRasterDesign(window_);
        if (rasterFace_ || std::wcscmp(face, RasterFaceName) != 0) {
            portLabel_ = createFont(face, CellPixels, true);
            return;
        }
        DeleteObject(window_);
    }
    // The port labels' underline is drawn by the label itself in this face.
    const int cell = scale.length(CellPixels);
    window_ = createFont(ScalableFaceName, cell, false);
    portLabel_ = createFont(ScalableFaceName, cell, true);
}

WindowFonts::~WindowFonts() {
    DeleteObject(window_);
    DeleteObject(portLabel_);
}
