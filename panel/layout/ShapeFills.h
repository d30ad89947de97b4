#pragma once

#include "ControlTable.h"
#include "PixelGeometry.h"

#include <array>
#include <cstddef>

namespace layout {

// One rectangle of a shape in one colour, in pixels at 96 dots per inch.
struct ShapeFill {
    PixelRect rect;
    Colour colour;
};

// What a shape paints, back to front: its back when opaque, its fill, then
// the four strips of its outline. A front end fills each rectangle, scaled as
// a rectangle of its own, so both windows set the same device pixels.
class ShapeFills {
public:
    explicit ShapeFills(const ControlEntry& shape);

    const ShapeFill* begin() const { return fills_.data(); }
    const ShapeFill* end() const { return fills_.data() + count_; }

private:
    void add(const PixelRect& rect, Colour colour) { fills_[count_++] = {rect, colour}; }

    std::array<ShapeFill, 6> fills_{};
    std::size_t count_ = 0;
};

// The four strips a shape's outline is filled as: top, bottom, left, right,
// each `width` pixels thick and inside the box, whatever the width.
std::array<PixelRect, 4> outlineStrips(const PixelRect& box, int width);

} // namespace layout
