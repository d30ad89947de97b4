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

QFont windowFont(qreal devicePixelRatio) {
    // The smooth stand-ins are close to the panel's face in their widths, which
    // keeps the legends' columns and the floor labels' breaks.
    QStringList families = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    if (devicePixelRatio <= 1.0) {
        families.prepend(QString::fromLatin1(FaceName));
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(FontPixels);
    font.setWeight(QFont::Normal);
    return font;
}
