#pragma once

#include <chrono>
#include <cstdint>

namespace lift {

// The positions a travel sets, one twip apart from `from` to `to` inclusive,
// and when each is due. The cabin keeps a steady 900 twips a second (one pixel
// each sixtieth of a second), whatever the processor: the first position at
// once, position i at i / 900 s.
class CabinTravel {
public:
    static constexpr int TwipsPerSecond = 900;

    CabinTravel(std::int16_t from, std::int16_t to, std::int16_t step);

    int positionCount() const { return count_; }
    std::int16_t position(int i) const { return static_cast<std::int16_t>(from_ + i * step_); }

    // How many positions are due `elapsed` after the travel started: from 1 up
    // to positionCount().
    int dueAfter(std::chrono::nanoseconds elapsed) const;

    // When position i falls due, counted from the travel's start.
    std::chrono::nanoseconds dueAt(int i) const;

    // How long the whole travel lasts: from its first position to its last.
    std::chrono::nanoseconds duration() const;

private:
    std::int16_t from_;
    std::int16_t step_;
    int count_;
};

} // namespace lift
