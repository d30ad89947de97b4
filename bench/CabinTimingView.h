#pragma once

#include "MonotonicClock.h"
#include "PanelView.h"

#include <chrono>

// Passes everything on to the real window and notes when the panel set each
// cabin position: the first and last time and how many it set.
class CabinTimingView final : public PanelView {
public:
    CabinTimingView(PanelView& window, const MonotonicClock& clock)
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
    void takePicture(ControlId to, ControlId from) override { window_.takePicture(to, from); }
    void setText1(const std::string& text) override { window_.setText1(text); }
    void setTimer2Interval(int milliseconds) override { window_.setTimer2Interval(milliseconds); }

    int positions() const { return positions_; }
    std::chrono::nanoseconds firstToLast() const { return last_ - first_; }

private:
    PanelView& window_;
    const MonotonicClock& clock_;
    int positions_ = 0;
    std::chrono::nanoseconds first_{};
    std::chrono::nanoseconds last_{};
};
