#pragma once

#include "CabinTravel.h"
#include "MonotonicClock.h"
#include "PanelState.h"
#include "PanelView.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

namespace lift {

// The panel's behaviour: the poll tick, the call buttons and the cabin travel.
// The panel keeps the cabin's top itself; the window only shows it.
//
// A travel runs inside the tick that starts it. While it runs the panel takes
// no other event: poll ticks are dropped (not made up later) and clicks wait
// in order until the travel and its tick have ended. The window keeps living
// meanwhile; its driver (LiftDriver) calls advanceTravel() on every frame until
// travelling() is false.
//
// The tick that starts a travel writes the only code the emulated program gets
// for the call. When that write fails (the file locked for a moment, say), each
// frame of the travel tries it again until one succeeds; the travel's end gives
// up without a word, and the next tick writes 0 as always.
class LiftPanel {
public:
    // Writes a port's byte; true when the byte reached the port file.
    using PortWriter = std::function<bool(std::int32_t port, std::uint8_t value)>;

    static constexpr std::int32_t PushedButtonPort = 155;
    static constexpr int Timer2IntervalMs = 50000;

    // `cabinTop` is where the window puts the cabin when it opens: `Picture1`'s
    // top in the control table, in twips.
    // `writePort` is the window's: the port file's writer in the program, a
    // recorder in tests.
    LiftPanel(PanelView& view, const MonotonicClock& clock, int cabinTop, PortWriter writePort);

    // `Timer1`'s tick: find the cabin's floor, show digit and code, write the
    // code to port 155, and start a travel when a request is pending.
    void Timer1_Timer();

    // Any of the twelve call buttons: 0..5 in the cabin, 6..11 beside the floors.
    void Command1_Click(std::int16_t Index);

    // `Timer2`'s tick. The cabin is paced by the clock, so the delay it once
    // stood for is no work at all.
    void Timer2_Timer();

    // Writes the code again if the tick's write failed, then sets every travel
    // position that has fallen due by now; ends the travel, its tick and the
    // clicks that waited on it once the last one is set.
    void advanceTravel();

    bool travelling() const { return travel_.has_value(); }

    // How long until the position `ahead` places past the last one set falls
    // due (the last position at most); zero when it already has, or when no
    // travel runs. The window wakes then, to move the cabin a whole pixel.
    std::chrono::nanoseconds untilAhead(int ahead) const;
    const PanelState& state() const { return state_; }

private:
    void MoveCabin();
    void retryOwedCode();
    void applyDuePositions();
    void finishTravel();
    void finishTick();
    // Gives `Timer2` the interval the handlers set, unless it has it already.
    void setTimer2Interval();
    void latchRequest(std::int16_t Index);

    PanelView& view_;
    const MonotonicClock& clock_;
    PortWriter writePort_;
    PanelState state_;

    struct Travel {
        CabinTravel positions;
        std::int16_t target;
        std::chrono::nanoseconds start;
        int applied;
    };
    std::optional<Travel> travel_;
    // The code of the running travel has not reached the port file yet.
    bool codeOwed_ = false;
    std::deque<std::int16_t> waitingClicks_;
    // Unknown until the handlers first set it: the window's table has its own.
    std::optional<int> timer2Interval_;
};

} // namespace lift
