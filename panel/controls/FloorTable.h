#pragma once

#include <array>
#include <cstdint>

namespace controls {

inline constexpr int FloorCount = 6;

// Cabin top, in twips, at which the cabin stands at floors 0 (ground) to 5.
inline constexpr std::array<std::int16_t, FloorCount> FloorTopTwips = {4560, 3600, 2760,
                                                                       1920, 1080, 240};

} // namespace controls
