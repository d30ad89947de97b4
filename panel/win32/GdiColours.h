#pragma once

#include "Colour.h"

#include <windows.h>

// A design colour as GDI wants it: system colours from the system's own table.
inline COLORREF toColorRef(layout::Colour colour) {
    if (layout::isSystemColour(colour)) {
        return GetSysColor(layout::systemColourIndex(colour));
    }
    return RGB(layout::redOf(colour), layout::greenOf(colour), layout::blueOf(colour));
}

inline void fillPixels(HDC dc, int left, int top, int width, int height, COLORREF colour) {
    const RECT r{left, top, left + width, top + height};
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr); // a fill without a brush
}
