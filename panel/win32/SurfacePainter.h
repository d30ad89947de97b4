#pragma once

#include "ControlTable.h"
#include "PanelPicture.h"
#include "WindowFonts.h"

#include <windows.h>

// Paints the window's own surface: labels, lines, shapes and images, which lie
// beneath every child window. One entry at a time, in the order the caller
// gives (back to front).
class SurfacePainter {
public:
    SurfacePainter(HDC dc, const WindowFonts& fonts, const DisplayScale& scale = {});

    void paint(const ControlEntry& entry, const PanelPicture* picture);

    // The device pixels an entry may touch, for skipping what lies outside
    // the damage.
    static RECT bounds(const ControlEntry& entry, const DisplayScale& scale = {});

private:
    void paintLine(const ControlEntry& entry);
    void paintShape(const ControlEntry& entry);
    void fill(const PixelRect& r, COLORREF colour);
    void paintImage(const ControlEntry& entry, const PanelPicture* picture);

    HDC dc_;
    const WindowFonts& fonts_;
    DisplayScale scale_;
};
