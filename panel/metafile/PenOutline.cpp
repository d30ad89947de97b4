#include "PenOutline.h"

#include "WholeDivision.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace metafile {

namespace {

// GDI's line bias. Where a line passes exactly halfway between two pixels, a
// line heading into one of these octants (counted clockwise from the x axis,
// y down) already takes the step along its shorter axis; the others take it a
// pixel later.
bool takesBias(int dx, int dy) {
    int octant;
    if (dy > 0) {
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    } else {
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    }
    return octant == 3 || octant == 5 || octant == 6 || octant == 8;
}

// One side, from `from` up to, not including, `to`. Step k along the longer
// axis moves the shorter one ceil((2 minor k - major + bias) / (2 major))
// times: the closed form of the Bresenham error term, so a line far outside
// the picture costs nothing.
void addLine(PixelPoint from, PixelPoint to, int width, int height, std::vector<PixelPoint>& out) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const bool xMajor = std::abs(dx) > std::abs(dy); // a diagonal steps along y
    const std::int64_t major = xMajor ? std::abs(dx) : std::abs(dy);
    const std::int64_t minor = xMajor ? std::abs(dy) : std::abs(dx);
    if (major == 0) {
        return;
    }
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const int majorStart = xMajor ? from.x : from.y;
    const int minorStart = xMajor ? from.y : from.x;
    const int majorLimit = xMajor ? width : height;
    const int minorLimit = xMajor ? height : width;
    const int bias = takesBias(dx, dy) ? 1 : 0;

    // Only the steps whose major coordinate lies in the picture.
    std::int64_t firstStep = 0;
    std::int64_t endStep = major;
    if (majorStep > 0) {
        firstStep = std::max<std::int64_t>(firstStep, -majorStart);
        endStep = std::min<std::int64_t>(endStep, std::int64_t{majorLimit} - majorStart);
    } else {
        firstStep = std::max<std::int64_t>(firstStep, std::int64_t{majorStart} - majorLimit + 1);
        endStep = std::min<std::int64_t>(endStep, std::int64_t{majorStart} + 1);
    }
    for (std::int64_t k = firstStep; k < endStep; ++k) {
        const std::int64_t moved = ceilDiv(2 * minor * k - major + bias, 2 * major);
        const std::int64_t a = majorStart + majorStep * k;
        const std::int64_t b = minorStart + minorStep * moved;
        if (b >= 0 && b < minorLimit) {
            out.push_back(xMajor ? PixelPoint{int(a), int(b)} : PixelPoint{int(b), int(a)});
        }
    }
}

} // namespace

std::vector<PixelPoint> outlinePixels(std::span<const PixelPoint> corners, int width, int height) {
    std::vector<PixelPoint> pixels;
    if (corners.size() < 2) {
        return pixels;
    }
    for (std::size_t i = 0; i < corners.size(); ++i) {
        addLine(corners[i], corners[(i + 1) % corners.size()], width, height, pixels);
    }
    return pixels;
}

} // namespace metafile
