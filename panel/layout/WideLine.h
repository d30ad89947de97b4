#pragma once

#include "DisplayScale.h"
#include "PixelGeometry.h"

#include <vector>

namespace layout {

// A run of pixels on one row: columns left to right - 1.
struct PixelSpan {
    int y = 0;
    int left = 0;
    int right = 0; // one past the last column

    friend bool operator==(const PixelSpan&, const PixelSpan&) = default;
};

// The pixels of a line `width` pixels wide with round ends: every pixel whose
// centre lies closer to the line between the two end pixels' centres than
// half the width, row by row from the top. Both windows paint their wide
// lines from these, so they set the same pixels (Qt's and GDI's wide pens
// disagree along the edges). On a denser screen the end pixels' centres and
// the width are scaled and the spans are in device pixels. Meant for widths
// of 2 and more; a 1-pixel line is the toolkits' own.
std::vector<PixelSpan> wideLineSpans(const PixelLine& line, int width,
                                     const DisplayScale& scale = {});

} // namespace layout
