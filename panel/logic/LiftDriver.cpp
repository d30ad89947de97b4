#include "LiftDriver.h"

#include "ControlNames.h"
#include "TwipsPerPixel.h"

namespace lift {

using controls::ControlId;
using controls::TwipsPerPixel;

LiftDriver::LiftDriver(LiftPanel& panel, WakeTimer& wake)
    : panel_(panel)
    , wake_(wake) {}

void LiftDriver::tick(ControlId timer) {
    if (timer == controls::Timer1) {
        panel_.Timer1_Timer();
        followTravel(); // the tick may have started a travel
    } else if (timer == controls::Timer2) {
        panel_.Timer2_Timer();
    }
}

void LiftDriver::click(int index) {
    panel_.Command1_Click(static_cast<std::int16_t>(index));
}

void LiftDriver::wake() {
    panel_.advanceTravel();
    followTravel();
}

void LiftDriver::followTravel() {
    if (panel_.travelling()) {
        wake_.arm(panel_.untilAhead(TwipsPerPixel));
    } else {
        wake_.cancel();
    }
}

} // namespace lift
