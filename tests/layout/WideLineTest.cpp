#include "WideLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace layout;

TEST(WideLine, HorizontalLineIsThreeRowsWithEndsOnePixelPastItsPoints) {
    const auto spans = wideLineSpans({2, 5, 12, 5}, 3);
    const std::vector<PixelSpan> expected{{4, 1, 14}, {5, 1, 14}, {6, 1, 14}};
    EXPECT_EQ(spans, expected);
    // The end points may be given either way round.
    EXPECT_EQ(wideLineSpans({12, 5, 2, 5}, 3), expected);
}

TEST(WideLine, VerticalLineIsThreeColumnsWide) {
    const auto spans = wideLineSpans({232, 16, 232, 232}, 3);
    ASSERT_EQ(spans.size(), 232u - 16u + 3u);
    EXPECT_EQ(spans.front().y, 15);
    EXPECT_EQ(spans.back().y, 233);
    for (const PixelSpan& s : spans) {
        EXPECT_EQ(s.left, 231);
        EXPECT_EQ(s.right, 234);
    }
}

TEST(WideLine, SlantedLineCoversItsCentreLineAndNothingFarFromIt) {
    // One of the cabin's edges: 64 across, 40 down.
    const PixelLine line{16, 56, 80, 16};
    const auto spans = wideLineSpans(line, 3);
    for (std::size_t i = 1; i < spans.size(); ++i) {
        EXPECT_EQ(spans[i].y, spans[i - 1].y + 1) << "rows follow one another";
    }
    for (int y = 16; y <= 56; ++y) {
        const double x = 16 + (56 - y) * 64.0 / 40.0;
        const auto row =
            std::find_if(spans.begin(), spans.end(), [y](const PixelSpan& s) { return s.y == y; });
        ASSERT_NE(row, spans.end()) << "row " << y;
        EXPECT_LE(row->left, std::floor(x)) << "row " << y;
        EXPECT_GT(row->right, std::ceil(x)) << "row " << y;
        // Three pixels wide across the line: at this slope a row holds about
        // 3 / sin(angle) pixels, never many more.
        EXPECT_LE(row->right - row->left, 7) << "row " << y;
    }
}

TEST(WideLine, NothingForNoWidth) {
    EXPECT_TRUE(wideLineSpans({0, 0, 10, 10}, 0).empty());
}
