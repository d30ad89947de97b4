#pragma once

#include <chrono>

namespace lift {

// The one-shot timer a front end lends the driver to wake the panel during a
// travel: a wake-up that calls LiftDriver::wake() on the window's own thread.
class WakeTimer {
public:
    virtual ~WakeTimer() = default;
    // Wakes once, `wait` from now (as soon as it can when `wait` is not
    // positive), in place of any wake still to come.
    virtual void arm(std::chrono::nanoseconds wait) = 0;
    virtual void cancel() = 0;
};

} // namespace lift
