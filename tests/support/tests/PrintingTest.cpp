#include "ControlIdPrinting.h"
#include "ControlNames.h"
#include "RgbHex.h"

#include <gtest/gtest.h>

// A failed comparison must name the controls, not dump their bytes.
TEST(Printing, GoogleTestNamesControlIds) {
    EXPECT_EQ(testing::PrintToString(controls::lamp(0)), "Picture2(20)");
    EXPECT_EQ(testing::PrintToString(controls::Form1), "Form1");
    EXPECT_EQ(testing::PrintToString(controls::command1(0)), "Command1(0)");
}

TEST(Printing, ColoursAreSixDigitsWithoutAlpha) {
    EXPECT_EQ(rgbHex(0xFF0A0B0Cu), "#0a0b0c");
    EXPECT_EQ(rgbHex(0x00FFFFFFu), "#ffffff");
    EXPECT_EQ(rgbHex(0u), "#000000");
}
