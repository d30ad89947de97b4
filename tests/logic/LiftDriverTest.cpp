// The driver both windows share: which handler each event reaches, and when
// it has the window wake the panel while the cabin travels.
#include "LiftPanelFixture.h"

#include "ControlNames.h"
#include "LiftDriver.h"

#include <optional>

using namespace lift;

using namespace std::chrono_literals;

namespace {

// A wake timer that remembers whether it is armed, and for how long.
class HeldWake final : public WakeTimer {
public:
    void arm(std::chrono::nanoseconds wait) override { pending = wait; }
    void cancel() override { pending.reset(); }
    std::optional<std::chrono::nanoseconds> pending;
};

class LiftDriverTest : public LiftPanelFixture {
protected:
    HeldWake wake;
    LiftDriver driver{panel, wake};
};

// Woken when each pixel falls due, the cabin moves by one whole pixel per wake
// and the wakes stop when it has arrived.
TEST_F(LiftDriverTest, WakesOncePerPixelUntilTheCabinArrives) {
    driver.click(9); // floor 3: 2640 twips, 176 pixels
    driver.tick(controls::Timer1);
    ASSERT_EQ(wake.pending, 16'666'667ns);
    EXPECT_EQ(view.positions.size(), 1u);

    int wakes = 0;
    for (; wake.pending && wakes < 1000; ++wakes) {
        const int before = view.top;
        clock.advance(*wake.pending);
        driver.wake();
        EXPECT_EQ(before - view.top, 15) << "wake " << wakes;
    }
    EXPECT_EQ(wakes, 176);
    EXPECT_FALSE(panel.travelling());
    EXPECT_EQ(view.top, 1920);
    EXPECT_EQ(view.positions.size(), 2641u);
}

// A window that wakes late still gets every position, and the next wake is
// set for the pixel after the one due now.
TEST_F(LiftDriverTest, LateWakeCatchesUpAndWaitsForTheNextPixel) {
    driver.click(5);
    driver.tick(controls::Timer1);
    clock.advance(100ms); // 90 twips due
    driver.wake();
    EXPECT_EQ(view.top, 4560 - 90);
    EXPECT_EQ(wake.pending, 16'666'667ns);
}

TEST_F(LiftDriverTest, EachTimersTickReachesItsOwnHandler) {
    driver.tick(controls::Timer2); // nothing waits on Timer2's tick
    driver.tick({"Timer3"});
    EXPECT_TRUE(view.timeline.empty());

    driver.click(4);
    EXPECT_EQ(panel.state().Request[4], 1);
    driver.click(12); // no such button
    EXPECT_EQ(panel.state().Request[4], 1);

    driver.tick(controls::Timer1);
    EXPECT_EQ(view.writes.back(), (PortWrite{155, 16}));
    EXPECT_TRUE(wake.pending.has_value());

    clock.advance(10s);
    driver.wake();
    driver.tick(controls::Timer1); // idle again: no wake wanted
    EXPECT_FALSE(wake.pending.has_value());
    EXPECT_EQ(view.writes.back(), (PortWrite{155, 0}));
}

} // namespace
