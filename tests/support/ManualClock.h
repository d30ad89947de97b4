#pragma once

#include "MonotonicClock.h"

#include <chrono>

// Time that moves only when a test moves it.
class ManualClock final : public lift::MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return time; }
    void advance(std::chrono::nanoseconds by) { time += by; }

    std::chrono::nanoseconds time{1'000'000'000};
};
