#include "PanelSnapshot.h"
#include "Twips.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace layout;

namespace {

constexpr QRgb PaleYellow = 0xFFFFFFC0;

// The panel's pictures as they show on the whole window.
class WindowPictures : public ::testing::Test {
protected:
    void travelTo(std::int16_t floor) { snapshot.travelTo(floor); }

    // Pixel (col, row) of the box `lamp`, on the window as a user sees it.
    QRgb lampPixel(const QImage& image, int lamp, int col, int row) {
        const QWidget* box = snapshot.window().control({"Picture2", lamp});
        const QPoint at = box->mapTo(&snapshot.window(), QPoint(col, row));
        return image.pixel(at) | 0xFF000000;
    }

    QImage render() { return snapshot.image(); }

    PanelSnapshot snapshot;
};

TEST_F(WindowPictures, LampsAtStartUp) {
    const QImage image = render();
    EXPECT_EQ(lampPixel(image, 20, 0, 0), PaleYellow) << "the red lamp's ground is clear";
    const QRgb ball = lampPixel(image, 20, 7, 7);
    EXPECT_GT(qRed(ball), qGreen(ball) + 0x60) << "a crimson ball";
    EXPECT_GT(qRed(ball), qBlue(ball));
    for (int lamp = 21; lamp <= 25; ++lamp) {
        EXPECT_EQ(lampPixel(image, lamp, 0, 0), 0xFFBEBEBE) << "a grey square, lamp " << lamp;
        EXPECT_EQ(lampPixel(image, lamp, 13, 13), 0xFFBEBEBE);
        EXPECT_EQ(lampPixel(image, lamp, 14, 5), PaleYellow) << "the box beside the square";
        EXPECT_EQ(lampPixel(image, lamp, 5, 14), PaleYellow) << "the box below it";
        EXPECT_GT(qBlue(lampPixel(image, lamp, 6, 6)), qRed(lampPixel(image, lamp, 6, 6)));
    }
}

TEST_F(WindowPictures, LampsAfterATravelToTheThirdFloor) {
    travelTo(3);
    const QImage image = render();
    for (int lamp : {20, 21, 22, 24, 25}) {
        // The white lamp's two pure-white glints are clear: the box shows through.
        EXPECT_EQ(lampPixel(image, lamp, 9, 3), PaleYellow) << "lamp " << lamp;
        EXPECT_EQ(lampPixel(image, lamp, 9, 4), PaleYellow);
        EXPECT_EQ(lampPixel(image, lamp, 5, 3), 0xFFFEFFFF);
        EXPECT_EQ(lampPixel(image, lamp, 0, 0), PaleYellow);
    }
    // The blue ball starts at the box's corner and is two pixels wider.
    EXPECT_EQ(lampPixel(image, 23, 0, 0), PaleYellow) << "a clear corner";
    for (const QPoint p : {QPoint(0, 6), QPoint(6, 0), QPoint(11, 6), QPoint(6, 11)}) {
        const QRgb c = lampPixel(image, 23, p.x(), p.y());
        EXPECT_NE(c, PaleYellow) << "the ball reaches the edge at " << p.x() << "," << p.y();
    }
    EXPECT_EQ(lampPixel(image, 23, 12, 6), PaleYellow);
    EXPECT_GT(qBlue(lampPixel(image, 23, 6, 8)), qGreen(lampPixel(image, 23, 6, 8)));
}

TEST_F(WindowPictures, DigitShowsTheFloorOnItsBlackField) {
    const QRect digit = pixelRect(*findControl({"d", 0}));
    travelTo(4);
    const QImage image = render();
    // Glyph 4 lights f and b but not a: the field shows through the top row.
    EXPECT_EQ(image.pixel(digit.left() + 5, digit.top()) | 0xFF000000, 0xFF000000);
    EXPECT_EQ(image.pixel(digit.left() + 1, digit.top() + 4) | 0xFF000000, 0xFF00FF00);
    EXPECT_EQ(image.pixel(digit.left() + 10, digit.top() + 4) | 0xFF000000, 0xFF00FF00);
}

TEST_F(WindowPictures, CabinShowsTheSamePartOfThePassengerAtEveryHeight) {
    QWidget* cabin = snapshot.window().control({"Picture1"});
    const QImage atGround = cabin->grab().toImage();
    travelTo(5);
    ASSERT_EQ(cabin->y(), 240 / 15);
    EXPECT_EQ(cabin->grab().toImage(), atGround);
    EXPECT_EQ(atGround.size(), QSize(49, 65));
    EXPECT_EQ(atGround.pixel(0, 0) | 0xFF000000, 0xFF80FF80) << "light green beside the figure";
}

} // namespace
