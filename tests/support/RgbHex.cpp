#include "RgbHex.h"

#include <cstdio>

std::string rgbHex(std::uint32_t argb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", unsigned(argb & 0xFFFFFFu));
    return text;
}
