#pragma once

#include <cstdint>
#include <string>

// "#rrggbb" for a colour held as 0xAARRGGBB (a QRgb), alpha left out: pixels
// compared as text read plainly in a failure.
std::string rgbHex(std::uint32_t argb);
