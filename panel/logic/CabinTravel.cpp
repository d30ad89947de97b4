#include "CabinTravel.h"

#include <algorithm>
#include <cstdlib>

namespace lift {

CabinTravel::CabinTravel(std::int16_t from, std::int16_t to, std::int16_t step)
    : from_(from)
    , step_(step)
    // The direction always points from `from` to `to` (or they are equal), so the
    // loop runs |to - from| + 1 times.
    , count_(std::abs(to - from) + 1) {}

int CabinTravel::dueAfter(std::chrono::nanoseconds elapsed) const {
    if (elapsed.count() <= 0) {
        return 1;
    }
    const long long steps = elapsed.count() * TwipsPerSecond / 1'000'000'000LL;
    return static_cast<int>(std::min<long long>(count_, steps + 1));
}

std::chrono::nanoseconds CabinTravel::dueAt(int i) const {
    // The first whole nanosecond at which dueAfter() counts position i in.
    const long long scaled = static_cast<long long>(i) * 1'000'000'000LL;
    return std::chrono::nanoseconds((scaled + TwipsPerSecond - 1) / TwipsPerSecond);
}

std::chrono::nanoseconds CabinTravel::duration() const {
    return std::chrono::nanoseconds((count_ - 1) * 1'000'000'000LL / TwipsPerSecond);
}

} // namespace lift
