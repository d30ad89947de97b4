#include "WindowFonts.h"

#include <cwchar>

namespace {

constexpr int CellPixels = 11;

// The port labels' font is stored with character set 177, but asking the font
// mapper for it would trade the face for one that has that set; the labels
// only hold Latin letters, so both fonts ask for the same face.
HFONT createFont(const wchar_t* face, bool underline) {
    LOGFONTW font{};
    font.lfHeight = -CellPixels;
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

bool rasterFaceSelected(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const bool scalable = (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
    return wcscmp(face, WindowFonts::RasterFaceName) == 0 && !scalable;
}

} // namespace

WindowFonts::WindowFonts(const wchar_t* face)
    : window_(createFont(face, false))
    , portLabel_(createFont(face, true))
    , rasterFace_(rasterFaceSelected(window_)) {}

WindowFonts::~WindowFonts() {
    DeleteObject(window_);
    DeleteObject(portLabel_);
}
