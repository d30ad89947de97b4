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
    SurfacePainter(HDC dc, const WindowFonts& fonts);

    void paint(const ControlEntry& entry, const PanelPicture* picture);

    // The pixels an entry may touch, for skipping what lies outside the damage.
    static RECT bounds(const ControlEntry& entry);

private:
    void paintLine(const ControlEntry& entry);
    void paintShape(const ControlEntry& entry);
    void paintImage(const ControlEntry& entry, const PanelPicture* picture);

    HDC dc_;
    const WindowFonts& fonts_;
};
