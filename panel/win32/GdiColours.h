#pragma once

#include "Colour.h"

#include <windows.h>

// A design colour as GDI wants it: system colours from the system's own table.
inline COLORREF toColorRef(Colour colour) {
    if (isSystemColour(colour)) {
        return GetSysColor(systemColourIndex(colour));
    }
    return RGB(redOf(colour), greenOf(colour), blueOf(colour));
}

inline void fillPixels(HDC dc, int left, int top, int width, int height, COLORREF colour) {
    const RECT r{left, top, left + width, top + height};
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr); // a fill without a brush
}
