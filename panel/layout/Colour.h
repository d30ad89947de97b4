#pragma once

#include <cstdint>

namespace layout {

// A colour as the window's design stores it: 0x00BBGGRR, or with the top bit
// set, 0x80000000 + n for entry n of the system's colour table.
using Colour = std::uint32_t;

inline constexpr Colour SystemColourFlag = 0x80000000u;

constexpr Colour SystemColour(int n) {
    return SystemColourFlag + static_cast<Colour>(n);
}
constexpr bool isSystemColour(Colour c) {
    return (c & SystemColourFlag) != 0;
}
constexpr int systemColourIndex(Colour c) {
    return static_cast<int>(c & ~SystemColourFlag);
}

constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The system colours the panel uses.
inline constexpr Colour ScrollBar = SystemColour(0);
inline constexpr Colour WindowBackground = SystemColour(5);
inline constexpr Colour WindowText = SystemColour(8);
inline constexpr Colour ButtonFace = SystemColour(15);
inline constexpr Colour ButtonText = SystemColour(18);

} // namespace layout
