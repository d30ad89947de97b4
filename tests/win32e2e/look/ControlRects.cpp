#include "ControlRects.h"

#include <algorithm>

std::string controlName(ControlId id) {
    std::string name(id.name);
    if (id.index != ControlId::NoIndex) {
        name += "(" + std::to_string(id.index) + ")";
    }
    return name;
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
        return "PushButton";
    case ControlKind::Timer:
        return "Timer";
    case ControlKind::PictureBox:
        return "PictureBox";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::Label:
        return "Label";
    case ControlKind::Shape:
        return "Shape";
    case ControlKind::Line:
        return "Line";
    case ControlKind::Image:
        return "Image";
    }
    return "?";
}

PixelRect pixelRect(const ControlEntry& entry) {
    constexpr int T = TwipsPerPixel;
    if (entry.kind == ControlKind::Line) {
        const int reach = entry.settings.borderPixels;
        const int left = std::min(entry.x1(), entry.x2()) / T - reach;
        const int top = std::min(entry.y1(), entry.y2()) / T - reach;
        const int right = std::max(entry.x1(), entry.x2()) / T + reach;
        const int bottom = std::max(entry.y1(), entry.y2()) / T + reach;
        return {left, top, right - left + 1, bottom - top + 1};
    }
    PixelRect rect{entry.left / T, entry.top / T, entry.width / T, entry.height / T};
    if (entry.container != Form1) {
        if (const ControlEntry* container = findControl(entry.container)) {
            const PixelRect outer = pixelRect(*container);
            rect.x += outer.x;
            rect.y += outer.y;
        }
    }
    return rect;
}

int nestingDepth(const ControlEntry& entry) {
    const ControlEntry* container = findControl(entry.container);
    return container == nullptr ? 0 : 1 + nestingDepth(*container);
}
