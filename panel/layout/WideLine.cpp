#include "WideLine.h"

#include <algorithm>
#include <cmath>

namespace layout {

namespace {

struct Segment {
    double x1, y1, x2, y2;
};

// Squared distance from (px, py) to the segment.
double squaredDistance(double px, double py, const Segment& l) {
    const double dx = l.x2 - l.x1;
    const double dy = l.y2 - l.y1;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - l.x1) * dx + (py - l.y1) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = px - (l.x1 + t * dx);
    const double ey = py - (l.y1 + t * dy);
    return ex * ex + ey * ey;
}

// The centre of pixel `x` in device pixels, counted so that device pixel
// centres fall on whole numbers.
double centre(int x, double ratio) {
    return (x + 0.5) * ratio - 0.5;
}

} // namespace

std::vector<PixelSpan> wideLineSpans(const PixelLine& line, int width, const DisplayScale& scale) {
    std::vector<PixelSpan> spans;
    if (width <= 0) {
        return spans;
    }
    // Pixel centres and the end pixels' centres are both offset by half a
    // pixel, so whole pixel coordinates compare directly.
    const double r = scale.ratio();
    const Segment l{centre(line.x1, r), centre(line.y1, r), centre(line.x2, r), centre(line.y2, r)};
    const double half = width * r / 2.0;
    const double limit = half * half;
    const int reach = static_cast<int>(std::ceil(half));
    const int left = static_cast<int>(std::floor(std::min(l.x1, l.x2))) - reach;
    const int right = static_cast<int>(std::ceil(std::max(l.x1, l.x2))) + reach;
    const int top = static_cast<int>(std::floor(std::min(l.y1, l.y2))) - reach;
    const int bottom = static_cast<int>(std::ceil(std::max(l.y1, l.y2))) + reach;
    for (int y = top; y <= bottom; ++y) {
        // A thick segment is convex, so each row holds at most one run.
        int first = right + 1;
        int last = left - 1;
        for (int x = left; x <= right; ++x) {
            if (squaredDistance(x, y, l) < limit) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        if (first <= last) {
            spans.push_back({y, first, last + 1});
        }
    }
    return spans;
}

} // namespace layout
