#pragma once

#include <cstdint>

namespace metafile {

// Quotients of whole numbers rounded as GDI rounds them, computed exactly, so
// a value that lies exactly on a pixel or halfway between two stays there.

// n / d rounded up; d > 0.
inline std::int64_t ceilDiv(std::int64_t n, std::int64_t d) {
    return n / d + (n % d != 0 && n > 0 ? 1 : 0);
}

// n / d rounded down; d > 0.
inline std::int64_t floorDiv(std::int64_t n, std::int64_t d) {
    return n / d - (n % d != 0 && n < 0 ? 1 : 0);
}

// n / d rounded to the nearest whole number, halves upwards; d != 0.
inline std::int64_t roundDiv(std::int64_t n, std::int64_t d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return floorDiv(2 * n + d, 2 * d);
}

} // namespace metafile
