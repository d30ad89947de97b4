#include "WideLine.h"

#include <algorithm>
#include <cmath>

namespace {

// Squared distance from (px, py) to the segment from (x1, y1) to (x2, y2).
double squaredDistance(double px, double py, const PixelLine& l) {
    const double dx = l.x2 - l.x1;
    const double dy = l.y2 - l.y1;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - l.x1) * dx + (py - l.y1) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = px - (l.x1 + t * dx);
    const double ey = py - (l.y1 + t * dy);
    return ex * ex + ey * ey;
}

} // namespace

std::vector<PixelSpan> wideLineSpans(const PixelLine& line, int width) {
    std::vector<PixelSpan> spans;
    if (width <= 0) {
        return spans;
    }
    // Pixel centres and the end pixels' centres are both offset by half a
    // pixel, so whole pixel coordinates compare directly.
    const double limit = (width / 2.0) * (width / 2.0);
    const int reach = (width + 1) / 2;
    const int left = std::min(line.x1, line.x2) - reach;
    const int right = std::max(line.x1, line.x2) + reach;
    for (int y = std::min(line.y1, line.y2) - reach; y <= std::max(line.y1, line.y2) + reach; ++y) {
        // A thick segment is convex, so each row holds at most one run.
        int first = right + 1;
        int last = left - 1;
        for (int x = left; x <= right; ++x) {
            if (squaredDistance(x, y, line) < limit) {
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
