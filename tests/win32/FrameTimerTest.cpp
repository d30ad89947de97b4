#include "FrameTimer.h"
#include "MessageWait.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr UINT WM_TEST_FRAME = WM_APP + 7;

// Whether the frame's message reaches this thread's queue within `limitMs`.
bool frameArrives(DWORD limitMs) {
    return messageArrives(nullptr, WM_TEST_FRAME, WM_TEST_FRAME, limitMs);
}

} // namespace

TEST(FrameTimer, DelayIsWholeMillisecondsRoundedUpAndNeverZero) {
    EXPECT_EQ(FrameTimer::delayMs(16'666'667ns), 17u); // one pixel at 900 twips/s
    EXPECT_EQ(FrameTimer::delayMs(1ms), 1u);
    EXPECT_EQ(FrameTimer::delayMs(1'000'001ns), 2u); // never early
    EXPECT_EQ(FrameTimer::delayMs(0ns), 1u);         // due now: at once
    EXPECT_EQ(FrameTimer::delayMs(-5ms), 1u);        // overdue: at once
    EXPECT_EQ(FrameTimer::delayMs(2s), 2000u);
}

TEST(FrameTimer, PostsOnceWhenArmedAndNotAfterCancel) {
    // A message-only window of this thread receives the wake.
    HWND target =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(target, nullptr);
    {
        FrameTimer timer(target, WM_TEST_FRAME);
        EXPECT_FALSE(timer.armed());

        timer.arm(0ns);
        EXPECT_TRUE(timer.armed());
        EXPECT_TRUE(frameArrives(5000));
        EXPECT_FALSE(frameArrives(50)); // one wake per arming

        timer.arm(1h);
        timer.cancel();
        EXPECT_FALSE(timer.armed());
        EXPECT_FALSE(frameArrives(50));

        timer.arm(1h); // destroyed while armed: nothing comes after
    }
    EXPECT_FALSE(frameArrives(50));
    DestroyWindow(target);
}
