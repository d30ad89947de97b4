#pragma once

#include <windows.h>

#include <chrono>

// Wakes the message loop once, when the cabin is next due a whole pixel
// further: a waitable timer whose handle the loop waits on beside its
// messages. While it is armed the system timer runs at 1 ms, so a wake comes
// within a millisecond of its time rather than on the next 15.6 ms tick.
class FrameTimer {
public:
    FrameTimer();
    ~FrameTimer();
    FrameTimer(const FrameTimer&) = delete;
    FrameTimer& operator=(const FrameTimer&) = delete;

    // Signals the handle `wait` from now (at once when `wait` is not positive).
    void arm(std::chrono::nanoseconds wait);
    void cancel();
    bool armed() const { return armed_; }

    HANDLE handle() const { return timer_; }

    // The due time SetWaitableTimer takes for `wait`: negative for "relative",
    // in 100-nanosecond units, rounded up so the wake never comes early, and
    // at least one unit.
    static LARGE_INTEGER dueTime(std::chrono::nanoseconds wait);

private:
    HANDLE timer_;
    bool armed_ = false;
};
