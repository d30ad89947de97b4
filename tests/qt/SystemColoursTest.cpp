#include "SystemColours.h"
#include "PanelWindow.h"
#include "RgbHex.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

using namespace layout;

namespace {

TEST(SystemColours, ParseReadsFiveColoursInTableOrder) {
    const auto set = SystemColours::parse("010203,0a0B0c,FF0000,00ff00,123456");
    ASSERT_TRUE(set.has_value());
    EXPECT_EQ(set->toQColor(ScrollBar), QColor(1, 2, 3));
    EXPECT_EQ(set->toQColor(WindowBackground), QColor(10, 11, 12));
    EXPECT_EQ(set->toQColor(WindowText), QColor(255, 0, 0));
    EXPECT_EQ(set->toQColor(ButtonFace), QColor(0, 255, 0));
    EXPECT_EQ(set->toQColor(ButtonText), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(set->toQColor(0x00C0FFFF), QColor(255, 255, 192)) << "plain colours stay as they are";
}

TEST(SystemColours, ParseRefusesAnythingButFiveHexTriples) {
    for (const char* text :
         {"", "010203", "010203,010203,010203,010203", "010203,010203,010203,010203,010203,",
          "010203,010203,010203,010203,010203,010203", "010203,,010203,010203,010203",
          "01020,010203,010203,010203,010203", "0102030,010203,010203,010203,010203",
          "0x0102,010203,010203,010203,010203", "01020g,010203,010203,010203,010203",
          " 10203,010203,010203,010203,010203", "+10203,010203,010203,010203,010203",
          "010203;010203;010203;010203;010203"}) {
        EXPECT_FALSE(SystemColours::parse(text).has_value()) << '"' << text << '"';
    }
}

// The five colours land where each is used, and a later palette change does
// not bring the palette's back.
TEST(SystemColours, WindowCanShowAnotherPlatformsColours) {
    PanelWindow w;
    w.setSystemColours(*SystemColours::parse("FF0000,00FF00,0000FF,FFFF00,00FFFF"));
    QPalette other = w.palette();
    other.setColor(QPalette::Button, Qt::darkMagenta);
    w.setPalette(other);

    const QImage image = w.grab().toImage();
    EXPECT_EQ(rgbHex(image.pixel(372, 60)), "#ff0000");  // Command1(11)'s face: 0
    EXPECT_EQ(rgbHex(image.pixel(372, 424)), "#00ff00"); // Text1's back: 5
    EXPECT_EQ(rgbHex(image.pixel(8, 310)), "#0000ff");   // Shape3's outline: 8
    EXPECT_EQ(rgbHex(image.pixel(17, 312)), "#ffff00");  // Label12's back: 15
    int captionPixels = 0;                               // Label12's caption: 18
    for (int x = 16; x < 100; ++x) {
        captionPixels += rgbHex(image.pixel(x, 320)) == "#00ffff";
    }
    EXPECT_GT(captionPixels, 5);
}

} // namespace
