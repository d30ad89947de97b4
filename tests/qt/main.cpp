#include "WindowFont.h"

#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// Two screens side by side: an ordinary one, and to its right one of twice the
// pixel density, so that a window can be moved from one to the other.
// The platform orders the screens by name and makes the first the primary one.
// The density is Qt's own scale factor for the screen, as on an X11 desktop,
// not the platform's "dpr": from Qt 6.6 on, a window's ratio comes from its
// platform window, which the offscreen platform leaves at 1 on any screen,
// while the scale factor reaches every window on the screen in Qt 6.4 and 6.8
// alike. The dense screen is 1600 x 1200 pixels, 800 x 600 at that factor.
constexpr const char* Screens = R"({"screens": [
    {"name": "1x", "x": 0, "y": 0, "width": 800, "height": 600,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "2x", "x": 800, "y": 0, "width": 1600, "height": 1200,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
constexpr const char* ScaleFactors = "1x=1;2x=2";

int main(int argc, char* argv[]) {
    QTemporaryFile screens;
    if (!screens.open() || screens.write(Screens) < 0 || !screens.flush()) {
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("QT_SCREEN_SCALE_FACTORS", ScaleFactors);
    QApplication app(argc, argv);
    registerWindowFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
