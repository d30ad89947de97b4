#include "PenOutline.h"
#include "PixelRaster.h"
#include "PolygonFill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace metafile;

namespace {

using Corners = std::vector<PixelPoint>;
using Pixels = std::set<std::pair<int, int>>;

Pixels filled(const Corners& corners, FillRule rule = FillRule::Alternate, int size = 20) {
    Pixels out;
    for (const PixelSpan& s : polygonSpans(corners, rule, size, size)) {
        for (int x = s.left; x < s.right; ++x) {
            EXPECT_TRUE(out.emplace(x, s.y).second) << "pixel " << x << "," << s.y << " twice";
        }
    }
    return out;
}

Pixels rectangle(int left, int top, int right, int bottom) {
    Pixels out;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            out.emplace(x, y);
        }
    }
    return out;
}

TEST(PolygonFill, LeavesOutTheRightAndBottomEdges) {
    EXPECT_EQ(filled({{0, 0}, {5, 0}, {5, 5}, {0, 5}}), rectangle(0, 0, 5, 5));
    EXPECT_EQ(filled({{0, 5}, {5, 5}, {5, 0}, {0, 0}}), rectangle(0, 0, 5, 5))
        << "either way round";

    // Two triangles that share a diagonal: the one whose left edge it is
    // takes the pixels on it, and together they fill the square once.
    const Pixels upper = filled({{0, 0}, {5, 0}, {5, 5}});
    const Pixels lower = filled({{0, 5}, {0, 0}, {5, 5}});
    EXPECT_EQ(upper.size(), 15u);
    EXPECT_EQ(lower.size(), 10u);
    EXPECT_TRUE(upper.contains({3, 3}));
    Pixels both = upper;
    both.insert(lower.begin(), lower.end());
    EXPECT_EQ(both, rectangle(0, 0, 5, 5));
}

TEST(PolygonFill, SlantedEdgesTakeTheFirstPixelAtOrRightOfTheCrossing) {
    // Row y crosses the left side at x = 2 + y / 2 and the right one at 9 - y / 3.
    const Pixels sloped = filled({{2, 0}, {9, 0}, {6, 9}, {6, 8}});
    EXPECT_FALSE(sloped.contains({2, 1})) << "2.5 rounds up";
    EXPECT_TRUE(sloped.contains({3, 1}));
    EXPECT_TRUE(sloped.contains({3, 2})) << "3 is on the left side: in";
    EXPECT_TRUE(sloped.contains({7, 3}));
    EXPECT_FALSE(sloped.contains({8, 3})) << "the right side crosses at 8: out";
    EXPECT_TRUE(sloped.contains({8, 1}));
}

TEST(PolygonFill, ZeroWidthPartsFillNothing) {
    EXPECT_TRUE(filled({{3, 3}, {9, 3}, {9, 3}}).empty()) << "a level line";
    EXPECT_TRUE(filled({{3, 3}, {9, 9}, {3, 3}, {9, 9}}).empty()) << "a slanted one, twice";
    // Two squares joined by a bridge there and back: the bridge, a slanted
    // line between them, leaves the ground between the squares alone.
    const Pixels joined = filled({{0, 0},
                                  {4, 0},
                                  {4, 4},
                                  {0, 4},
                                  {0, 0},
                                  {12, 10},
                                  {16, 10},
                                  {16, 14},
                                  {12, 14},
                                  {12, 10},
                                  {0, 0}});
    Pixels squares = rectangle(0, 0, 4, 4);
    const Pixels second = rectangle(12, 10, 16, 14);
    squares.insert(second.begin(), second.end());
    EXPECT_EQ(joined, squares);
}

TEST(PolygonFill, AlternateMakesHolesWhereWindingFills) {
    const Corners star{{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}}; // drawn in one line
    EXPECT_FALSE(filled(star, FillRule::Alternate).contains({10, 10})) << "the middle is a hole";
    EXPECT_TRUE(filled(star, FillRule::Winding).contains({10, 10}));
    EXPECT_TRUE(filled(star, FillRule::Alternate).contains({10, 3})) << "a point";

    // Rings the same way round: winding fills the inner one too; drawn the
    // other way round it is a hole by either rule.
    const Corners sameWay{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                          {3, 3}, {7, 3},  {7, 7},   {3, 7},  {3, 3}};
    const Corners otherWay{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                           {3, 3}, {3, 7},  {7, 7},   {7, 3},  {3, 3}};
    EXPECT_EQ(filled(sameWay, FillRule::Winding), rectangle(0, 0, 10, 10));
    EXPECT_FALSE(filled(sameWay, FillRule::Alternate).contains({5, 5}));
    EXPECT_FALSE(filled(otherWay, FillRule::Winding).contains({5, 5}));
    EXPECT_EQ(filled(otherWay, FillRule::Winding), filled(otherWay, FillRule::Alternate));
}

TEST(PolygonFill, ClipsToThePictureAndTakesFarCorners) {
    EXPECT_EQ(filled({{-5, -5}, {30, -5}, {30, 30}, {-5, 30}}), rectangle(0, 0, 20, 20));
    const int far = 1 << 24;
    // The long side crosses row 5 exactly at x = 0 and row 6 far to the right.
    EXPECT_EQ(filled({{-far, 0}, {far, 0}, {far, 10}}), rectangle(0, 0, 20, 6));
    EXPECT_TRUE(filled({{0, 0}, {5, 0}}).empty());
}

std::vector<PixelPoint> outline(const Corners& corners, int size = 20) {
    return outlinePixels(corners, size, size);
}

TEST(PenOutline, SetsEachPixelOfTheOutlineOnce) {
    const auto square = outline({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    Pixels set;
    for (const auto& p : square) {
        EXPECT_TRUE(set.emplace(p.x, p.y).second) << p.x << "," << p.y << " twice";
    }
    Pixels border = rectangle(0, 0, 5, 5);
    std::erase_if(
        border, [](auto p) { return p.first > 0 && p.first < 4 && p.second > 0 && p.second < 4; });
    EXPECT_EQ(set, border);
}

TEST(PenOutline, StepsOnePixelAtATimeAlongTheLongerAxis) {
    for (const PixelPoint end : {PixelPoint{7, 3}, PixelPoint{-7, 3}, PixelPoint{3, -7},
                                 PixelPoint{-3, -7}, PixelPoint{5, 5}, PixelPoint{-6, 2}}) {
        const PixelPoint start{10, 10};
        const PixelPoint to{start.x + end.x, start.y + end.y};
        const auto line = outline({start, to});
        // There and back: each way sets max(|dx|, |dy|) pixels, the start first.
        const int steps = std::max(std::abs(end.x), std::abs(end.y));
        ASSERT_EQ(line.size(), std::size_t(2 * steps)) << end.x << "," << end.y;
        EXPECT_EQ(line.front(), start);
        EXPECT_EQ(line[steps], to);
        for (int i = 1; i < steps; ++i) {
            EXPECT_LE(std::abs(line[i].x - line[i - 1].x), 1);
            EXPECT_LE(std::abs(line[i].y - line[i - 1].y), 1);
        }
    }
}

TEST(PenOutline, DrawsOnlyInsideThePicture) {
    const int far = 1 << 24;
    const auto line = outline({{-far, -far}, {far, far}, {far, far - 1}});
    ASSERT_FALSE(line.empty());
    for (const auto& p : line) {
        EXPECT_TRUE(p.x >= 0 && p.x < 20 && p.y >= 0 && p.y < 20) << p.x << "," << p.y;
    }
    EXPECT_TRUE(outline({{0, 0}}).empty());
}

TEST(PixelRaster, FillsThenOutlinesInOrder) {
    Drawing drawing;
    drawing.widthPixels = 8;
    drawing.heightPixels = 6;
    const Corners box{{1, 1}, {6, 1}, {6, 5}, {1, 5}};
    drawing.polygons.push_back({{255, 0, 0}, Rgb{0, 0, 0}, FillRule::Alternate, {}, box});
    drawing.polygons.push_back(
        {{0, 0, 255}, std::nullopt, FillRule::Alternate, {}, {{3, 0}, {8, 0}, {8, 3}, {3, 3}}});
    drawing.polygons.push_back({{0, 255, 0}, std::nullopt, FillRule::Alternate, {}, {{0, 0}}});
    const PixelRaster raster = rasteriseAtNaturalSize(drawing);
    ASSERT_EQ(raster.width, 8);
    ASSERT_EQ(raster.height, 6);
    EXPECT_EQ(raster.at(0, 0), 0u) << "nothing drawn; a single corner draws nothing";
    EXPECT_EQ(raster.at(1, 1), 0xFF000000u) << "the pen over the fill";
    EXPECT_EQ(raster.at(2, 4), 0xFFFF0000u);
    EXPECT_EQ(raster.at(6, 4), 0xFF000000u) << "the pen sets the edge the fill leaves";
    EXPECT_EQ(raster.at(4, 2), 0xFF0000FFu) << "a later polygon over an earlier one";
    EXPECT_EQ(raster.at(7, 3), 0u);

    drawing.widthPixels = 1 << 20;
    drawing.heightPixels = 1 << 20;
    EXPECT_EQ(rasteriseAtNaturalSize(drawing).argb.size(), 0u) << "too large to draw";
}

} // namespace
