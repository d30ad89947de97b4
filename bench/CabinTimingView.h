#pragma once

#include "MonotonicClock.h"
#include "PanelView.h"

#include <chrono>

// Passes everything on to the real window and notes when the panel set each
// cabin position: the first and last time and how many it set.
class CabinTimingView final : public lift::PanelView {
public:
    CabinTimingView(lift::PanelView& window, const lift::MonotonicClock& clock)
        : window_(window)
        , clock_(clock) {}

    void setCabinTop(int twips) override {
        const auto now = clock_.now();
        if (positions_ == 0) {
            first_ = now;
        }
        last_ = now;
        ++positions_;
        window_.setCabinTop(twips);
    }
    void takePicture(controls::ControlId to, controls::ControlId from) override {
        window_.takePicture(to, from);
    }
    void setText1(const std::string& text) override { window_.setText1(text); }
    void setTimer2Interval(int milliseconds) override { window_.setTimer2Interval(milliseconds); }

    int positions() const { return positions_; }
    std::chrono::nanoseconds firstToLast() const { return last_ - first_; }

private:
    lift::PanelView& window_;
    const lift::MonotonicClock& clock_;
    int positions_ = 0;
    std::chrono::nanoseconds first_{};
    std::chrono::nanoseconds last_{};
};
