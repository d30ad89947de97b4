#pragma once

#include "MonotonicClock.h"

#include <chrono>

// Time leaps an hour ahead at every reading, so a travel that starts is over
// at its first frame: for pictures of where the cabin ends up.
class LeapingClock final : public lift::MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return time_ += std::chrono::hours(1); }

private:
    mutable std::chrono::nanoseconds time_{};
};
