#include "SystemColours.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <map>

namespace {

std::map<int, QColor>& overrides() {
    static std::map<int, QColor> colours;
    return colours;
}

#ifdef _WIN32

QColor systemColour(int index, const QPalette&) {
    const COLORREF c = GetSysColor(index);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

#else

QColor blend(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

QColor systemColour(int index, const QPalette& palette) {
    switch (index) {
    case 0:
        return blend(palette.color(QPalette::Button), palette.color(QPalette::Mid));
    case 5:
        return palette.color(QPalette::Base);
    case 8:
        return palette.color(QPalette::Text);
    case 15:
        return palette.color(QPalette::Button);
    case 18:
        return palette.color(QPalette::ButtonText);
    default:
        return palette.color(QPalette::Window);
    }
}

#endif

} // namespace

void overrideSystemColour(int index, const QColor& colour) {
    overrides()[index] = colour;
}

QColor toQColor(Colour colour, const QPalette& palette) {
    if (isSystemColour(colour)) {
        const int index = systemColourIndex(colour);
        if (auto it = overrides().find(index); it != overrides().end()) {
            return it->second;
        }
        return systemColour(index, palette);
    }
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}
