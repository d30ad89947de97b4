#pragma once

#include "DisplayScale.h"

#include <windows.h>

// The panel's two fonts, the second underlined for the port labels: "MS Sans
// Serif" 8.25 pt, a cell of 11 pixels at the 96 dots per inch the panel is
// laid out for. That raster face is drawn pixel by pixel for 96 dots per inch;
// on a denser screen, or where the system's face of that name has other
// widths (the set made for 120 dots per inch), the outline "Microsoft Sans
// Serif" at 8.25 pt times the scale takes its place, or what the font mapper
// gives for it.
class WindowFonts {
public:
    static constexpr const wchar_t* RasterFaceName = L"MS Sans Serif";
    static constexpr const wchar_t* ScalableFaceName = L"Microsoft Sans Serif";

    // `face` is for tests that try the panel with another face.
    explicit WindowFonts(const layout::DisplayScale& scale = {},
                         const wchar_t* face = RasterFaceName);
    ~WindowFonts();
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;

    HFONT window() const { return window_; }
    HFONT portLabel() const { return portLabel_; }

    // Whether the fonts are the raster face as it is designed, widths and
    // all. Any other face draws each word where that face would put it.
    bool isRasterFace() const { return rasterFace_; }

private:
    HFONT window_ = nullptr;
    HFONT portLabel_ = nullptr;
    bool rasterFace_ = false;
};
