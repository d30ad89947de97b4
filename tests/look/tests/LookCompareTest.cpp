#include "LookCompare.h"
#include "ControlIdPrinting.h"
#include "ControlNames.h"
#include "ControlRects.h"

#include <gtest/gtest.h>

#include <string>

using namespace controls;
using namespace layout;

namespace {

constexpr int StartTop = 304; // the cabin at the ground floor

std::string nameAt(int x, int y, int cabinTop = StartTop) {
    const ControlEntry* control = controlAt(x, y, cabinTop);
    return control == nullptr ? "background" : toString(control->id);
}

ControlRect rectOf(ControlId id) {
    return controlRect(*findControl(id));
}

QImage blank() {
    QImage picture(415, 448, QImage::Format_RGB32);
    picture.fill(qRgb(255, 255, 192));
    return picture;
}

TEST(ControlRects, NestedBoxesAddTheirContainersOrigins) {
    const ControlRect outer = rectOf({"Picture2", 5});
    const ControlRect inner = rectOf({"Picture2", 23});
    EXPECT_EQ(inner.x, outer.x);
    EXPECT_EQ(inner.y, outer.y);
    // Picture2(4) lies in Picture2(3), which lies in Picture2(22).
    const ControlRect box22 = rectOf({"Picture2", 22});
    const ControlRect box4 = rectOf({"Picture2", 4});
    EXPECT_EQ(box4.x, box22.x + 1320 / 15);
    EXPECT_EQ(box4.y, box22.y + 5640 / 15);
    EXPECT_EQ(box4.width, 17);
}

TEST(ControlRects, LinesGetTheBoxAroundThemWidenedByTheirThickness) {
    const ControlRect line = rectOf({"Line6"}); // (16, 56) to (80, 16), 3 pixels wide
    EXPECT_TRUE(line.contains(16, 56));
    EXPECT_TRUE(line.contains(80, 16));
    EXPECT_TRUE(line.contains(14, 58));
    EXPECT_FALSE(line.contains(12, 56));
}

TEST(ControlAt, ChildWindowsLieAboveThePaintedSurface) {
    const ControlRect button = rectOf({"Command1", 11});
    EXPECT_EQ(nameAt(button.x + 8, button.y + 8), "Command1(11)");
    // Picture3 lies over the filled cabin face Shape4.
    const ControlRect view = rectOf({"Picture3"});
    EXPECT_EQ(nameAt(view.x + 1, view.y + 1), "Picture3");
    EXPECT_EQ(nameAt(view.x - 4, view.y + 1), "Shape4");
}

TEST(ControlAt, ANestedBoxLiesAboveItsContainer) {
    const ControlRect box = rectOf({"Picture2", 23});
    EXPECT_EQ(nameAt(box.x + 2, box.y + 2), "Picture2(23)");
}

TEST(ControlAt, AShapeWithoutFillShowsWhatLiesInsideIt) {
    const ControlRect frame = rectOf({"Shape8"});
    const ControlRect label = rectOf({"Label9"});
    EXPECT_EQ(nameAt(label.x + 4, label.y + 4), "Label9");
    EXPECT_EQ(nameAt(frame.x, frame.y + 40), "Shape8");
    EXPECT_EQ(nameAt(frame.x + 140, frame.y + 75), "background");
}

TEST(ControlAt, TheCabinIsFoundWhereItStands) {
    const ControlRect cabin = rectOf({"Picture1"});
    EXPECT_EQ(nameAt(cabin.x + 10, 130, 128), "Picture1");
    EXPECT_EQ(nameAt(cabin.x + 10, StartTop + 30, 128), "Shape2");
}

TEST(CompareLooks, IdenticalPicturesHaveNoDifference) {
    const LookDifference d = compareLooks(blank(), blank(), StartTop);
    EXPECT_EQ(d.identical, d.total);
    EXPECT_DOUBLE_EQ(d.identicalShare(), 1.0);
    EXPECT_TRUE(d.controls.empty());
}

TEST(CompareLooks, ChargesEachDifferingPixelToTheControlInFront) {
    QImage actual = blank();
    const ControlRect label = rectOf({"Label13"});
    const ControlRect button = rectOf({"Command1", 3});
    actual.setPixel(label.x + 3, label.y + 3, qRgb(0, 0, 0));
    actual.setPixel(label.x + 4, label.y + 3, qRgb(0, 0, 0));
    actual.setPixel(button.x, button.y, qRgb(0, 0, 0));
    actual.setPixel(1, 1, qRgb(0, 0, 0));

    const LookDifference d = compareLooks(blank(), actual, StartTop);
    EXPECT_EQ(d.total - d.identical, 4);
    ASSERT_EQ(d.controls.size(), 3u);
    // In the table's order, the background last.
    EXPECT_EQ(d.controls[0].control->id, controls::command1(3));
    EXPECT_EQ(d.controls[0].pixels, 1);
    EXPECT_TRUE(isChrome(d.controls[0].control));
    EXPECT_EQ(d.controls[1].control->id, ControlId{"Label13"});
    EXPECT_EQ(d.controls[1].pixels, 2);
    EXPECT_FALSE(isChrome(d.controls[1].control));
    EXPECT_EQ(d.controls[2].control, nullptr);
    EXPECT_FALSE(isChrome(nullptr));
}

TEST(CompareLooks, TheDifferencePictureMarksDifferingPixelsInRed) {
    QImage actual = blank();
    actual.setPixel(100, 100, qRgb(0, 0, 0));
    const LookDifference d = compareLooks(blank(), actual, StartTop);
    EXPECT_EQ(d.picture.pixel(100, 100), qRgb(255, 0, 0));
    EXPECT_NE(d.picture.pixel(101, 100), qRgb(255, 0, 0));
}

} // namespace
