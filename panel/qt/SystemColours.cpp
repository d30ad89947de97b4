#include "SystemColours.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

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

QColor toQColor(Colour colour, const QPalette& palette) {
    if (isSystemColour(colour)) {
        return systemColour(systemColourIndex(colour), palette);
    }
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}
