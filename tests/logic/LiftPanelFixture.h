#pragma once

#include "FloorTable.h"
#include "LiftPanel.h"
#include "ManualClock.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

#include <chrono>

// The panel over a recording view, a clock moved by hand and a recorded port.
class LiftPanelFixture : public ::testing::Test {
protected:
    LiftPanelFixture()
        : panel(view, clock, StartTop, view.portWriter()) {}

    // Runs frames until the travel ends, the clock moving `frame` each time.
    void travelToTheEnd(std::chrono::nanoseconds frame = std::chrono::milliseconds(16)) {
        for (int guard = 0; panel.travelling() && guard < 100000; ++guard) {
            clock.advance(frame);
            panel.advanceTravel();
        }
        ASSERT_FALSE(panel.travelling());
    }

    // Press, tick, and let the travel run out.
    void callAndArrive(std::int16_t button) {
        panel.Command1_Click(button);
        panel.Timer1_Timer();
        travelToTheEnd();
        panel.Timer1_Timer();
    }

    std::uint8_t lastWrite() const { return view.writes.back().value; }

    // Where the window puts the cabin when it opens: at the ground floor.
    static constexpr int StartTop = controls::FloorTopTwips[0];

    RecordingView view;
    ManualClock clock;
    lift::LiftPanel panel;
};
