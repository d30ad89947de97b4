#include "WindowFont.h"

#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// Two screens side by side: an ordinary one, and to its right one of twice the
// pixel density, so that a window can be moved from one to the other.
// The platform orders the screens by name and makes the first the primary one.
constexpr const char* Screens = R"({"screens": [
    {"name": "1x", "x": 0, "y": 0, "width": 800, "height": 600,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "2x", "x": 800, "y": 0, "width": 800, "height": 600,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})";

int main(int argc, char* argv[]) {
    QTemporaryFile screens;
    if (!screens.open() || screens.write(Screens) < 0 || !screens.flush()) {
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    registerWindowFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
