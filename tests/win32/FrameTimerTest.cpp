#include "FrameTimer.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(FrameTimer, DueTimeIsRelativeRoundedUpAndNeverZero) {
    EXPECT_EQ(FrameTimer::dueTime(16'666'667ns).QuadPart, -166'667); // one pixel at 900 twips/s
    EXPECT_EQ(FrameTimer::dueTime(100ns).QuadPart, -1);
    EXPECT_EQ(FrameTimer::dueTime(101ns).QuadPart, -2); // never early
    EXPECT_EQ(FrameTimer::dueTime(0ns).QuadPart, -1);   // due now: at once
    EXPECT_EQ(FrameTimer::dueTime(-5ms).QuadPart, -1);  // overdue: at once
    EXPECT_EQ(FrameTimer::dueTime(2s).QuadPart, -20'000'000);
}

TEST(FrameTimer, SignalsOnceWhenArmedAndNotAfterCancel) {
    FrameTimer timer;
    ASSERT_NE(timer.handle(), nullptr);
    EXPECT_FALSE(timer.armed());

    timer.arm(0ns);
    EXPECT_TRUE(timer.armed());
    EXPECT_EQ(WaitForSingleObject(timer.handle(), 5000), WAIT_OBJECT_0);
    // An auto-reset timer: the wait that saw it consumed the signal.
    EXPECT_EQ(WaitForSingleObject(timer.handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));

    timer.arm(1h);
    timer.cancel();
    EXPECT_FALSE(timer.armed());
    EXPECT_EQ(WaitForSingleObject(timer.handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}
