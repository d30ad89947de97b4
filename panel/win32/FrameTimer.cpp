#include "FrameTimer.h"

#include <timeapi.h>

namespace {

constexpr UINT FinePeriodMs = 1;

} // namespace

FrameTimer::FrameTimer()
    : timer_(CreateWaitableTimerW(nullptr, FALSE, nullptr)) {}

FrameTimer::~FrameTimer() {
    cancel();
    if (timer_) {
        CloseHandle(timer_);
    }
}

LARGE_INTEGER FrameTimer::dueTime(std::chrono::nanoseconds wait) {
    using Units = std::chrono::duration<long long, std::ratio<1, 10'000'000>>;
    const long long units = std::chrono::ceil<Units>(wait).count();
    LARGE_INTEGER due;
    due.QuadPart = -(units < 1 ? 1 : units);
    return due;
}

void FrameTimer::arm(std::chrono::nanoseconds wait) {
    if (!timer_) {
        return;
    }
    if (!armed_) {
        timeBeginPeriod(FinePeriodMs);
        armed_ = true;
    }
    const LARGE_INTEGER due = dueTime(wait);
    SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
}

void FrameTimer::cancel() {
    if (!armed_) {
        return;
    }
    CancelWaitableTimer(timer_);
    timeEndPeriod(FinePeriodMs);
    armed_ = false;
}
