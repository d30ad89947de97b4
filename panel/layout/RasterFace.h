#pragma once

#include <array>
#include <string_view>

namespace layout {

// The metrics of the raster "MS Sans Serif" at 8 points and 96 dots per inch,
// the face the labels' line breaks and the legends' columns are made for.
// Where a system hands back another face, the labels are still broken and
// their words placed by these widths.
namespace rasterface {

inline constexpr int LineHeight = 13;
inline constexpr int Ascent = 11;
inline constexpr char FirstChar = ' ';
inline constexpr char LastChar = '~';

// Advance widths of ' ' to '~' in pixels.
inline constexpr std::array<int, 95> Advances = {
    3, 3, 5, 7, 6, 8, 6, 2,  3,  3, 4, 6, 3, 3, 3, 5, 6, 6, 6, 6, 6, 6, 6, 6,
    6, 6, 3, 3, 6, 6, 6, 6,  11, 7, 7, 7, 8, 7, 6, 8, 8, 3, 5, 7, 6, 9, 8, 8,
    7, 8, 8, 7, 7, 8, 7, 11, 7,  7, 7, 3, 5, 3, 6, 6, 3, 6, 6, 6, 6, 6, 3, 6,
    6, 2, 2, 6, 2, 8, 6, 6,  6,  6, 3, 5, 3, 6, 6, 8, 5, 5, 5, 4, 2, 4, 7};

// The captions hold none of the characters outside the table; such a
// character counts as an "x".
constexpr int advance(char c) {
    if (c < FirstChar || c > LastChar) {
        return Advances['x' - FirstChar];
    }
    return Advances[static_cast<std::size_t>(c - FirstChar)];
}

constexpr int width(std::string_view text) {
    int sum = 0;
    for (char c : text) {
        sum += advance(c);
    }
    return sum;
}

} // namespace rasterface

} // namespace layout
