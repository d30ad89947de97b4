#pragma once

#include "ControlId.h"
#include "LiftPanel.h"
#include "WakeTimer.h"

namespace lift {

// Between a window and the panel: each front end delivers its timers' ticks,
// clicks and wake-ups here, and lends a wake timer. While the cabin travels
// the driver keeps that timer armed for the moment the cabin is due a whole
// pixel further, so every wake moves it and the window lives in between.
class LiftDriver {
public:
    LiftDriver(LiftPanel& panel, WakeTimer& wake);

    // A tick of the table's timer `timer`: `Timer1` or `Timer2`.
    void tick(controls::ControlId timer);
    // A press of `Command1(index)`.
    void click(int index);
    // The wake timer has fired.
    void wake();

private:
    void followTravel();

    LiftPanel& panel_;
    WakeTimer& wake_;
};

} // namespace lift
