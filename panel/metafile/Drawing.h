#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace metafile {

// What a played metafile comes to: polygons drawn in order, each filled with a
// brush and outlined with a pen. Every polygon carries its corners twice: in
// twips from the top-left corner of the metafile's frame, for drawing at any
// density, and in whole pixels of the picture at its natural size, placed as
// GDI places them, for drawing pixel for pixel as Windows does.

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

struct PixelPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Alternate is even-odd: a ring inside another is a hole, and an edge drawn
// twice cancels out. Winding fills wherever the outline turns round a point.
enum class FillRule { Alternate, Winding };

struct FilledPolygon {
    Rgb colour;                 // the brush
    std::optional<Rgb> outline; // a 1-pixel pen; none for the null pen
    FillRule rule = FillRule::Alternate;
    std::vector<TwipPoint> points;
    std::vector<PixelPoint> pixels; // the same corners at the natural size
};

struct Drawing {
    double widthTwips = 0;
    double heightTwips = 0;
    int widthPixels = 0; // the natural size: one pixel per 15 twips, rounded
    int heightPixels = 0;
    std::vector<FilledPolygon> polygons;
};

} // namespace metafile
