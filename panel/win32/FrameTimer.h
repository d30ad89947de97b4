#pragma once

#include "WakeTimer.h"

#include <windows.h>

#include <chrono>

// Wakes the window once, when the cabin is next due a whole pixel further: a
// one-shot multimedia timer, precise to the millisecond, that posts a message
// to the window. Any message loop delivers it, so the cabin keeps moving while
// the window is dragged or its system menu is open.
class FrameTimer final : public lift::WakeTimer {
public:
    FrameTimer(HWND target, UINT message);
    ~FrameTimer() override;
    FrameTimer(const FrameTimer&) = delete;
    FrameTimer& operator=(const FrameTimer&) = delete;

    // Posts the message `wait` from now (at once when `wait` is not positive),
    // in place of any wake still to come.
    void arm(std::chrono::nanoseconds wait) override;
    void cancel() override;
    bool armed() const { return event_ != 0; }

    // The delay the timer takes for `wait`: whole milliseconds, rounded up so
    // the wake never comes early, and at least one.
    static UINT delayMs(std::chrono::nanoseconds wait);

private:
    // Runs on the multimedia timer's own thread: it only posts.
    static void CALLBACK fire(UINT, UINT, DWORD_PTR self, DWORD_PTR, DWORD_PTR);

    HWND target_;
    UINT message_;
    UINT event_ = 0;
};
