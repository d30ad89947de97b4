#include "LiftPanel.h"

#include "ControlNames.h"

#include <algorithm>
#include <utility>

namespace lift {

using controls::FloorCount;
using controls::FloorTopTwips;

using controls::lamp;

LiftPanel::LiftPanel(PanelView& view, const MonotonicClock& clock, int cabinTop,
                     PortWriter writePort)
    : view_(view)
    , clock_(clock)
    , writePort_(std::move(writePort)) {
    state_.Picture1Top = static_cast<std::int16_t>(cabinTop);
}

void LiftPanel::Timer1_Timer() {
    if (travelling()) {
        return; // this tick fell due during a travel; it is not made up
    }
    PanelState& s = state_;

    s.CabinTop = static_cast<float>(s.Picture1Top);
    for (int f = FloorCount - 1; f >= 0; --f) {
        if (s.FloorTop[f] && static_cast<float>(*s.FloorTop[f]) == *s.CabinTop) {
            s.CurrentFloor = static_cast<std::int16_t>(f);
        }
    }
    view_.takePicture(controls::FloorDigit, controls::digit(s.CurrentFloor));

    for (int f = 0; f < FloorCount; ++f) {
        if (s.Request[f] == 1) {
            s.TravelPending = 1;
        }
    }
    if (s.TravelPending == 1) {
        s.CodeText = "0 0 ";
        for (int f = FloorCount - 1; f >= 0; --f) {
            s.CodeText += s.BitText[f];
        }
    }
    view_.setText1(s.CodeText);

    s.FloorCode = 0;
    for (int f = 0; f < FloorCount; ++f) {
        s.FloorCode = static_cast<std::int16_t>(s.FloorCode + (s.Request[f] << f));
    }
    s.FloorCodeByte = static_cast<std::uint8_t>(s.FloorCode);
    const bool written = writePort_(PushedButtonPort, s.FloorCodeByte);

    if (s.TravelPending == 1) {
        s.TravelPending = 0;
        codeOwed_ = !written;
        MoveCabin(); // the tick goes on in finishTick() once the cabin has arrived
        return;
    }
    finishTick();
}

void LiftPanel::finishTick() {
    setTimer2Interval();
}

// The handlers give `Timer2` the same interval every time: only the first
// changes anything, and nothing waits on its tick.
void LiftPanel::setTimer2Interval() {
    if (timer2Interval_ != Timer2IntervalMs) {
        timer2Interval_ = Timer2IntervalMs;
        view_.setTimer2Interval(Timer2IntervalMs);
    }
}

void LiftPanel::Command1_Click(std::int16_t Index) {
    if (Index < 0 || Index >= 2 * FloorCount) {
        return;
    }
    if (travelling()) {
        waitingClicks_.push_back(Index);
        return;
    }
    latchRequest(Index);
}

void LiftPanel::latchRequest(std::int16_t Index) {
    // Exactly the clicked button reads as pressed during its click, so "is
    // Command1(f) or Command1(f + 6) pressed" is a test of the index.
    for (int f = 0; f < FloorCount; ++f) {
        state_.Request[f] = (Index == f || Index == f + FloorCount) ? 1 : 0;
    }
    for (int f = 0; f < FloorCount; ++f) {
        state_.BitText[f] = std::to_string(state_.Request[f]);
    }
}

void LiftPanel::Timer2_Timer() {}

void LiftPanel::MoveCabin() {
    PanelState& s = state_;
    for (int f = 0; f < FloorCount; ++f) {
        s.FloorTop[f] = FloorTopTwips[f];
    }

    std::int16_t target = 0;
    for (int f = 0; f < FloorCount; ++f) {
        if (s.Request[f] == 1) {
            target = static_cast<std::int16_t>(f);
        }
    }
    const std::int16_t step = s.CurrentFloor > target ? 1 : -1;

    for (int f = 0; f < FloorCount; ++f) {
        view_.takePicture(lamp(f), controls::RedLamp);
    }

    travel_.emplace(Travel{CabinTravel(*s.FloorTop[s.CurrentFloor], *s.FloorTop[target], step),
                           target, clock_.now(), 0});
    applyDuePositions(); // the first position at once; retries wait for a frame
}

void LiftPanel::advanceTravel() {
    if (!travel_) {
        return;
    }
    retryOwedCode();
    applyDuePositions();
}

void LiftPanel::retryOwedCode() {
    if (codeOwed_) {
        codeOwed_ = !writePort_(PushedButtonPort, state_.FloorCodeByte);
    }
}

void LiftPanel::applyDuePositions() {
    Travel& t = *travel_;
    const int due = t.positions.dueAfter(clock_.now() - t.start);
    if (t.applied < due) {
        for (; t.applied < due; ++t.applied) {
            state_.Picture1Top = t.positions.position(t.applied);
            view_.setCabinTop(state_.Picture1Top);
        }
        setTimer2Interval(); // due at every step; only the first one counts
    }
    if (t.applied == t.positions.positionCount()) {
        finishTravel();
    }
}

std::chrono::nanoseconds LiftPanel::untilAhead(int ahead) const {
    if (!travel_) {
        return {};
    }
    const Travel& t = *travel_;
    const int index = std::min(t.applied - 1 + ahead, t.positions.positionCount() - 1);
    return std::max(t.start + t.positions.dueAt(index) - clock_.now(), std::chrono::nanoseconds{});
}

void LiftPanel::finishTravel() {
    const std::int16_t target = travel_->target;
    travel_.reset();
    codeOwed_ = false; // a port still unwritable: the next tick writes 0 anyway

    for (int f = 0; f < FloorCount; ++f) {
        view_.takePicture(lamp(f), controls::WhiteLamp);
    }
    view_.takePicture(lamp(target), controls::BlueLamp);
    state_.Request.fill(0);

    finishTick();

    // Clicks made during the travel, in their order. None of them can start a
    // travel: only the next tick does.
    while (!waitingClicks_.empty()) {
        const std::int16_t index = waitingClicks_.front();
        waitingClicks_.pop_front();
        latchRequest(index);
    }
}

} // namespace lift
