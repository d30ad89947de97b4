#pragma once

#include <cstdint>
#include <vector>

// What a played metafile comes to: filled polygons in twips, measured from the
// top-left corner of the metafile's frame, drawn in order.

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct TwipPoint {
    double x = 0;
    double y = 0;
};

// Alternate is even-odd: a ring inside another is a hole, and an edge drawn
// twice cancels out.
enum class FillRule { Alternate, Winding };

struct FilledPolygon {
    Rgb colour;
    FillRule rule = FillRule::Alternate;
    std::vector<TwipPoint> points;
};

struct Drawing {
    double widthTwips = 0;
    double heightTwips = 0;
    std::vector<FilledPolygon> polygons;
};
