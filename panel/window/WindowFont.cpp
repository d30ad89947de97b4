#include "WindowFont.h"

#include <QFile>
#include <QFontDatabase>

namespace {

constexpr const char* FaceName = "MS Sans Serif";
constexpr const char* WineFontFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";
// 8.25 points at 96 dots per inch.
constexpr int FontPixels = 11;

} // namespace

void registerWindowFont() {
    if (QFile::exists(WineFontFile)) {
        QFontDatabase::addApplicationFont(WineFontFile);
    }
}

QFont windowFont() {
    QFont font(FaceName);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(FontPixels);
    font.setWeight(QFont::Normal);
    return font;
}

QFont portLabelFont() {
    QFont font = windowFont();
    font.setUnderline(true);
    return font;
}
