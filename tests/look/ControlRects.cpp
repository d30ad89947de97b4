#include "ControlRects.h"

#include "PixelGeometry.h"

#include <algorithm>

using namespace layout;

std::string describeControl(const ControlEntry& entry) {
    std::string name = toString(entry.id);
    if (entry.kind != ControlKind::Label) {
        return name;
    }
    std::string caption;
    for (const char c : entry.settings.caption) {
        if (c != ' ' || (!caption.empty() && caption.back() != ' ')) {
            caption += c;
        }
    }
    while (!caption.empty() && caption.back() == ' ') {
        caption.pop_back();
    }
    constexpr std::size_t Longest = 24;
    if (caption.size() > Longest) {
        caption = caption.substr(0, Longest - 1) + "\u2026";
    }
    return name + " (" + caption + ")";
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

ControlRect controlRect(const ControlEntry& entry) {
    // Lines with the reach of their width, boxes as both windows place them.
    const PixelRect r = surfacePixelBounds(entry);
    ControlRect rect{r.left, r.top, r.width, r.height};
    if (entry.container != controls::Form1) {
        if (const ControlEntry* container = findControl(entry.container)) {
            const ControlRect outer = controlRect(*container);
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
