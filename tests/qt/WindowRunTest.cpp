#include "ControlTable.h"
#include "LiftPanel.h"
#include "ManualClock.h"
#include "PanelDriver.h"
#include "PanelWindow.h"
#include "Twips.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace lift;
using namespace layout;

namespace {

// The panel's handlers driving the real window.
class WindowRun : public ::testing::Test {
protected:
    WindowRun()
        : panel(window, clock, cabinStartTop(), [this](std::int32_t, std::uint8_t value) {
            written = value;
            return true;
        }) {}

    void callAndArrive(std::int16_t button) {
        panel.Command1_Click(button);
        panel.Timer1_Timer();
        clock.advance(std::chrono::seconds(10));
        panel.advanceTravel();
        panel.Timer1_Timer();
    }

    PanelWindow window;
    ManualClock clock;
    LiftPanel panel;
    int written = -1;
};

TEST_F(WindowRun, TravelMovesTheCabinAndRelightsTheLamps) {
    EXPECT_EQ(window.pictureOf({"Picture2", 20}), window.pictureOf({"Picture2", 9}));
    callAndArrive(9);

    EXPECT_EQ(window.control({"Picture1"})->y(), 1920 / 15);
    EXPECT_EQ(panel.state().Picture1Top, 1920);
    for (int f = 0; f < 6; ++f) {
        const int lampTemplate = f == 3 ? 10 : 11;
        EXPECT_EQ(window.pictureOf({"Picture2", 20 + f}),
                  window.pictureOf({"Picture2", lampTemplate}))
            << "floor " << f;
    }
    EXPECT_EQ(window.pictureOf({"d", 0}), window.pictureOf({"dig", 3}));
    EXPECT_NE(window.pictureOf({"dig", 3}), window.pictureOf({"dig", 0}))
        << "the glyph sources keep their own pictures";
    EXPECT_EQ(static_cast<QLineEdit*>(window.control({"Text1"}))->text(),
              QStringLiteral("0 0 001000"));
    EXPECT_EQ(written, 0);
    EXPECT_EQ(window.timer({"Timer2"})->interval(), 50000);
}

TEST_F(WindowRun, CabinMovesOnlyWhenItsPixelChanges) {
    panel.Command1_Click(1);
    panel.Timer1_Timer();
    QWidget* cabin = window.control({"Picture1"});
    clock.advance(std::chrono::milliseconds(10)); // nine twips: not yet a whole pixel further
    panel.advanceTravel();
    EXPECT_EQ(panel.state().Picture1Top, 4560 - 9);
    EXPECT_EQ(cabin->y(), toPixels(4551));
}

// The poll tick, delivered by the driver, writes the port and leaves Timer2
// running with its new interval: its countdown starts again from 50 s, past
// the 10 s it was created with.
TEST_F(WindowRun, DriverHandsEachTimersTicksToItsOwnHandler) {
    PanelDriver driver(window, panel);
    window.timer({"Timer1"})->setInterval(1);
    driver.start();
    EXPECT_TRUE(QTest::qWaitFor([this] { return written == 0; }, 5000));
    const QTimer* timer2 = window.timer({"Timer2"});
    EXPECT_TRUE(timer2->isActive());
    EXPECT_EQ(timer2->interval(), 50000);
    EXPECT_GT(timer2->remainingTime(), 10000);
}

} // namespace
