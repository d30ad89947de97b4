#pragma once

#include "ControlTable.h"
#include "PanelPicture.h"
#include "Surface.h"
#include "WindowFonts.h"

#include <windows.h>

#include <functional>

// Paints the window's own surface with GDI: labels, lines, shapes and images,
// which lie beneath every child window, as paintSurface hands them over.
class SurfacePainter final : public Surface {
public:
    // What an image shows now.
    using PictureOf = std::function<const PanelPicture*(ControlId)>;

    SurfacePainter(HDC dc, const WindowFonts& fonts, const DisplayScale& scale,
                   PictureOf pictureOf);

    void paintLabel(const ControlEntry& label) override;
    void paintLine(const ControlEntry& line) override;
    void paintShape(const ControlEntry& shape) override;
    void paintImage(const ControlEntry& image) override;

    // The device pixels an entry may touch, for repainting only those.
    static RECT bounds(const ControlEntry& entry, const DisplayScale& scale = {});

private:
    void fill(const PixelRect& r, COLORREF colour);

    HDC dc_;
    const WindowFonts& fonts_;
    DisplayScale scale_;
    PictureOf pictureOf_;
};
