#pragma once

#include <windows.h>

// The panel's two fonts: "MS Sans Serif" 8.25 pt, and the same underlined for
// the port labels. At the 96 dots per inch the panel is laid out for (Windows
// scales the whole window on denser screens) that is a cell of 11 pixels.
class WindowFonts {
public:
    static constexpr const wchar_t* RasterFaceName = L"MS Sans Serif";

    // `face` is for tests that try the panel with another face.
    explicit WindowFonts(const wchar_t* face = RasterFaceName);
    ~WindowFonts();
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;

    HFONT window() const { return window_; }
    HFONT portLabel() const { return portLabel_; }

    // Whether Windows handed back the raster face itself. Another face has
    // other widths: the labels then place their words by the raster face's.
    bool isRasterFace() const { return rasterFace_; }

private:
    HFONT window_;
    HFONT portLabel_;
    bool rasterFace_;
};
