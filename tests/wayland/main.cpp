#include "WindowFont.h"

#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// Three screens in a row, at 100, 150 and 200 %: Qt's own scale factor for
// each, which reaches every window on it in Qt 6.4 and 6.8 alike (see
// tests/qt/main.cpp). Each is 800 x 600 pixels at its scale.
constexpr const char* Screens = R"({"screens": [
    {"name": "a100", "x": 0, "y": 0, "width": 800, "height": 600,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "b150", "x": 800, "y": 0, "width": 1200, "height": 900,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "c200", "x": 2000, "y": 0, "width": 1600, "height": 1200,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
constexpr const char* ScaleFactors = "a100=1;b150=1.5;c200=2";

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
