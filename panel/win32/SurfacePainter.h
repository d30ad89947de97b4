#pragma once

#include "ControlTable.h"
#include "PanelPicture.h"
#include "Surface.h"
#include "WindowFonts.h"

#include <windows.h>

#include <functional>

// Paints the window's own surface with GDI: labels, lines, shapes and images,
// which lie beneath every child window, as paintSurface hands them over.
class SurfacePainter final : public layout::Surface {
public:
    // What an image shows now.
    using PictureOf = std::function<const PanelPicture*(controls::ControlId)>;

    SurfacePainter(HDC dc, const WindowFonts& fonts, const layout::DisplayScale& scale,
                   PictureOf pictureOf);

    void paintLabel(const layout::ControlEntry& label) override;
    void paintLine(const layout::ControlEntry& line) override;
    void paintShape(const layout::ControlEntry& shape) override;
    void paintImage(const layout::ControlEntry& image) override;

    // The device pixels an entry may touch, for repainting only those.
    static RECT bounds(const layout::ControlEntry& entry, const layout::DisplayScale& scale = {});

private:
    void fill(const layout::PixelRect& r, COLORREF colour);

    HDC dc_;
    const WindowFonts& fonts_;
    layout::DisplayScale scale_;
    PictureOf pictureOf_;
};
