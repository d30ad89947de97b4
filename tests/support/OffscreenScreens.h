#pragma once

#include "WindowFont.h"

#include <QApplication>
#include <QByteArray>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// The `main` of a window test: runs the tests in an application on Qt's
// offscreen platform with these screens (its JSON configuration) and Qt's
// own scale factor for each ("name=factor;…"). A screen's density comes from
// that factor, as on an X11 desktop, not from the platform's "dpr": from Qt
// 6.6 on, a window's ratio comes from its platform window, which the
// offscreen platform leaves at 1 on any screen, while the scale factor
// reaches every window on the screen in Qt 6.4 and 6.8 alike.
inline int runOnOffscreenScreens(int argc, char* argv[], const char* screensJson,
                                 const char* scaleFactors) {
    QTemporaryFile screens;
    if (!screens.open() || screens.write(screensJson) < 0 || !screens.flush()) {
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("QT_SCREEN_SCALE_FACTORS", scaleFactors);
    QApplication app(argc, argv);
    registerWindowFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
