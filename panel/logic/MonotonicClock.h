#pragma once

#include <chrono>

namespace lift {

// Time that only runs forward, for pacing the cabin. Tests substitute a clock
// they move by hand.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::nanoseconds now() const = 0;
};

class SteadyClock final : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override {
        return std::chrono::steady_clock::now().time_since_epoch();
    }
};

} // namespace lift
