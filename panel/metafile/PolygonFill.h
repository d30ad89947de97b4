#pragma once

#include "Drawing.h"

#include <span>
#include <vector>

namespace metafile {

// The pixels a polygon fills, decided as GDI decides them. A pixel is a point
// at its whole-number coordinate (its top-left corner), and it is filled when
// that point lies inside the polygon by the fill rule. A point on the outline
// counts as inside only where the inside lies to its right (for an upright or
// slanted edge) or below it (for a level one): a polygon leaves out its right
// and bottom edges, so two polygons that share an edge never both fill a
// pixel of it, a rectangle from 0,0 to 5,5 fills 25 pixels, and a part of
// zero width fills nothing.

// A run of filled pixels on one row: columns `left` up to, not including,
// `right`.
struct PixelSpan {
    int y = 0;
    int left = 0;
    int right = 0;

    friend bool operator==(const PixelSpan&, const PixelSpan&) = default;
};

// The spans of a closed polygon (its last corner joins its first) in the rows
// and columns 0 up to `width` and `height`, row by row from the top.
std::vector<PixelSpan> polygonSpans(std::span<const PixelPoint> corners, FillRule rule, int width,
                                    int height);

} // namespace metafile
