#include "Surface.h"

namespace layout {

void paintSurfaceControl(Surface& surface, const ControlEntry& entry) {
    if (!entry.settings.visible) {
        return;
    }
    switch (entry.kind) {
    case ControlKind::Label:
        surface.paintLabel(entry);
        break;
    case ControlKind::Line:
        surface.paintLine(entry);
        break;
    case ControlKind::Shape:
        surface.paintShape(entry);
        break;
    case ControlKind::Image:
        surface.paintImage(entry);
        break;
    default:
        break; // a child window, or a timer
    }
}

void paintSurface(Surface& surface, const PixelRect& damage, const DisplayScale& scale) {
    const auto table = controlTable();
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        if (isSurfaceKind(it->kind) && overlaps(scale.rect(surfacePixelBounds(*it)), damage)) {
            paintSurfaceControl(surface, *it);
        }
    }
}

bool overlaps(const PixelRect& a, const PixelRect& b) {
    return a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0 && a.left < b.right() &&
           b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

} // namespace layout
