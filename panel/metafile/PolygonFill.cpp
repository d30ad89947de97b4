#include "PolygonFill.h"

#include "WholeDivision.h"

#include <algorithm>
#include <cstdint>

namespace metafile {

namespace {

// An edge that crosses rows: from its top row up to, not including, its
// bottom row, so that a corner shared by two edges is counted once and a
// level edge is never crossed at all.
struct Edge {
    std::int64_t topX, topY, bottomX, bottomY;
    int direction; // +1 running down, -1 running up
};

// The first column at or right of where the edge crosses row y.
int firstColumnRightOf(const Edge& e, std::int64_t y) {
    return static_cast<int>(e.topX +
                            ceilDiv((y - e.topY) * (e.bottomX - e.topX), e.bottomY - e.topY));
}

struct Crossing {
    int column;
    int direction;
};

} // namespace

std::vector<PixelSpan> polygonSpans(std::span<const PixelPoint> corners, FillRule rule, int width,
                                    int height) {
    std::vector<PixelSpan> spans;
    if (corners.size() < 3 || width <= 0 || height <= 0) {
        return spans;
    }
    std::vector<Edge> edges;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const PixelPoint a = corners[i];
        const PixelPoint b = corners[(i + 1) % corners.size()];
        if (a.y < b.y) {
            edges.push_back({a.x, a.y, b.x, b.y, +1});
        } else if (a.y > b.y) {
            edges.push_back({b.x, b.y, a.x, a.y, -1});
        }
    }
    if (edges.empty()) {
        return spans;
    }
    std::int64_t firstRow = height;
    std::int64_t endRow = 0;
    for (const Edge& e : edges) {
        firstRow = std::min(firstRow, e.topY);
        endRow = std::max(endRow, e.bottomY);
    }
    firstRow = std::max<std::int64_t>(firstRow, 0);
    endRow = std::min<std::int64_t>(endRow, height);

    std::vector<Crossing> crossings;
    for (std::int64_t y = firstRow; y < endRow; ++y) {
        crossings.clear();
        for (const Edge& e : edges) {
            if (e.topY <= y && y < e.bottomY) {
                crossings.push_back({firstColumnRightOf(e, y), e.direction});
            }
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.column < r.column; });
        // Walk the row left to right; a run starts where the point enters the
        // inside and ends where it leaves it.
        int winding = 0;
        int runStart = 0;
        for (const Crossing& c : crossings) {
            const bool wasInside = rule == FillRule::Alternate ? (winding & 1) != 0 : winding != 0;
            winding += rule == FillRule::Alternate ? 1 : c.direction;
            const bool isInside = rule == FillRule::Alternate ? (winding & 1) != 0 : winding != 0;
            if (!wasInside && isInside) {
                runStart = c.column;
            } else if (wasInside && !isInside) {
                const int left = std::max(runStart, 0);
                const int right = std::min(c.column, width);
                if (left < right) {
                    spans.push_back({static_cast<int>(y), left, right});
                }
            }
        }
    }
    return spans;
}

} // namespace metafile
