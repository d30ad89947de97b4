#pragma once

namespace controls {

// Twips in one pixel at 96 dots per inch: 1440 twips make an inch.
inline constexpr int TwipsPerPixel = 15;

} // namespace controls
