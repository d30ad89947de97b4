#include "DisplayScale.h"
#include "WideLine.h"

#include <gtest/gtest.h>

#include <vector>

using namespace layout;

// The window's size at each display scale the panel supports, as Qt sizes
// a 415 x 448 window at the same device pixel ratio.
TEST(DisplayScale, WindowSizeAtEachScaleRoundsHalfUp) {
    const struct {
        int dpi, width, height;
    } cases[] = {
        {96, 415, 448}, {120, 519, 560}, {144, 623, 672}, {168, 726, 784}, {192, 830, 896}};
    for (const auto& c : cases) {
        const DisplayScale scale = DisplayScale::ofDpi(c.dpi);
        EXPECT_EQ(scale.length(415), c.width) << c.dpi << " dpi";
        EXPECT_EQ(scale.length(448), c.height) << c.dpi << " dpi";
    }
    EXPECT_TRUE(DisplayScale::ofDpi(0).isOne()) << "an unknown density is taken as 96 dpi";
}

// Neighbouring rectangles share their device edge at every scale, so nothing
// is painted twice and no gap opens between them.
TEST(DisplayScale, RectanglesMeetAtSharedEdges) {
    for (double ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        const DisplayScale scale(ratio);
        for (int x = 0; x < 40; ++x) {
            const PixelRect a = scale.rect({0, 0, x, 3});
            const PixelRect b = scale.rect({x, 0, 7, 3});
            EXPECT_EQ(a.right(), b.left) << ratio << " at " << x;
        }
    }
    const PixelRect r = DisplayScale(1.25).rect({1, 3, 2, 2});
    EXPECT_EQ(r.left, 1);     // 1.25
    EXPECT_EQ(r.top, 4);      // 3.75
    EXPECT_EQ(r.right(), 4);  // 3.75
    EXPECT_EQ(r.bottom(), 6); // 6.25
}

TEST(DisplayScale, WideLineAtRatioOneIsTheUnscaledLine) {
    const PixelLine line{16, 56, 80, 16};
    EXPECT_EQ(wideLineSpans(line, 3, DisplayScale(1.0)), wideLineSpans(line, 3));
}

TEST(DisplayScale, WideLineAtTwiceTheDensityCoversTheDoubledPixels) {
    // At one pixel per pixel rows 4..6 and columns 1..13, round at the ends:
    // at twice the density rows 8..13, columns 2..27, still round.
    const auto spans = wideLineSpans({2, 5, 12, 5}, 3, DisplayScale(2.0));
    ASSERT_EQ(spans.size(), 6u);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const PixelSpan& s = spans[i];
        EXPECT_EQ(s.y, 8 + int(i));
        const bool edgeRow = i == 0 || i == 5;
        EXPECT_EQ(s.left, edgeRow ? 3 : 2) << "row " << s.y;
        EXPECT_EQ(s.right, edgeRow ? 27 : 28) << "row " << s.y;
    }
}

// Whole-pixel scaling repeats columns as Qt's raster engine does: measured on
// the 14-pixel lamp at window column 392 drawn at 1.25.
TEST(DisplayScale, PictureColumnsRepeatAsQtRepeatsThem) {
    const DisplayScale scale(1.25);
    const int first = scale.edge(392);
    std::vector<int> columns;
    for (int d = first; d < scale.edge(392 + 14); ++d) {
        columns.push_back(scale.sourcePixel(d, 392, 14));
    }
    const std::vector<int> qt{0, 1, 1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 9, 10, 11, 12, 13, 13};
    EXPECT_EQ(columns, qt);
    // At whole ratios every pixel is repeated alike.
    for (int d = 0; d < 28; ++d) {
        EXPECT_EQ(DisplayScale(2.0).sourcePixel(d + 10, 5, 14), d / 2);
        EXPECT_EQ(DisplayScale(1.0).sourcePixel(d, 0, 28), d);
    }
}
