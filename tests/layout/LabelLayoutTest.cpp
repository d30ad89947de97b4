#include "LabelLayout.h"
#include "RasterFace.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace layout;

namespace {

// One pixel per character.
int oneEach(std::string_view text) {
    return static_cast<int>(text.size());
}

ControlEntry label(int left, int top, int width, int height, TextAlign align,
                   std::string_view caption) {
    return {.number = 1,
            .kind = ControlKind::Label,
            .id = {"Label"},
            .container = controls::Form1,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tab = 1,
            .settings = {.caption = caption, .align = align}};
}

constexpr int Px = TwipsPerPixel;

} // namespace

TEST(PixelGeometry, TwipsRoundToTheNearestPixel) {
    EXPECT_EQ(toPixels(4560), 304);
    EXPECT_EQ(toPixels(4551), 303); // a cabin between pixels
    EXPECT_EQ(toPixels(7), 0);
    EXPECT_EQ(toPixels(8), 1);
    const PixelRect r = pixelBounds(label(3600, 4920, 615, 375, TextAlign::Left, ""));
    EXPECT_EQ(r.left, 240);
    EXPECT_EQ(r.top, 328);
    EXPECT_EQ(r.right(), 281);
    EXPECT_EQ(r.bottom(), 353);
}

TEST(PixelGeometry, ALinePaintsAsFarAsItsWidthPastItsEnds) {
    const ControlEntry* line = findControl({"Line5"}); // (2520, 4080) to (3480, 3480), 3 wide
    ASSERT_NE(line, nullptr);
    const PixelRect r = surfacePixelBounds(*line);
    EXPECT_EQ(r.left, 168 - 3);
    EXPECT_EQ(r.top, 232 - 3);
    EXPECT_EQ(r.right(), 232 + 3 + 1);
    EXPECT_EQ(r.bottom(), 272 + 3 + 1);
    const ControlEntry* label = findControl({"Label1"});
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(surfacePixelBounds(*label).width, pixelBounds(*label).width);
    EXPECT_TRUE(isSurfaceKind(ControlKind::Image));
    EXPECT_FALSE(isSurfaceKind(ControlKind::PictureBox));
    for (const ControlEntry& entry : controlTable()) {
        EXPECT_FALSE(isSurfaceKind(entry.kind) && isChildWindowKind(entry.kind)) << entry.number;
    }
}

TEST(LabelLayout, CentredLinesStandInTheMiddleOneLineHeightApart) {
    const auto lines = layOutLabel(
        label(10 * Px, 20 * Px, 5 * Px, 9 * Px, TextAlign::Centre, "ab cdef"), oneEach, 4);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "ab");
    EXPECT_EQ(lines[0].x, 11); // (5 - 2) / 2 from the left edge
    EXPECT_EQ(lines[0].top, 20);
    EXPECT_EQ(lines[1].text, "cdef");
    EXPECT_EQ(lines[1].x, 10);
    EXPECT_EQ(lines[1].top, 24);
}

TEST(LabelLayout, LeftAlignedLinesStartAtTheEdgeAndStopBelowTheBox) {
    // Three lines of width 2 would need 3 rows; the box has 2, the third starts below it.
    const auto lines =
        layOutLabel(label(0, 0, 3 * Px, 2 * Px, TextAlign::Left, "aa bb cc"), oneEach, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x, 0);
    EXPECT_EQ(lines[1].text, "bb ");
    EXPECT_EQ(lines[1].x, 0);
    // A port label's underline runs on the baseline row across the whole line.
    const PixelRect under = underline(lines[1], 7, oneEach);
    EXPECT_EQ(under.left, 0);
    EXPECT_EQ(under.top, 7);
    EXPECT_EQ(under.width, 3);
    EXPECT_EQ(under.height, 1);
}

TEST(LabelLayout, WordsKeepTheColumnsTheirSpacesGiveThem) {
    const auto words = placeWords("  00 x   |", oneEach);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].x, 2);
    EXPECT_EQ(words[0].text, "00");
    EXPECT_EQ(words[1].x, 5);
    EXPECT_EQ(words[2].x, 9);
    EXPECT_EQ(words[2].text, "|");
    EXPECT_TRUE(placeWords("    ", oneEach).empty());
    EXPECT_TRUE(placeWords("", oneEach).empty());
}

TEST(LabelLayout, FloorLabelsBreakAsWithTheRasterFace) {
    // "Ground Floor" in the 41-pixel floor label: two centred lines.
    const TextWidth raster = [](std::string_view t) {
        return rasterface::width(t);
    };
    const auto lines = layOutLabel(label(3600, 4920, 615, 375, TextAlign::Centre, "Ground Floor"),
                                   raster, rasterface::LineHeight);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "Ground");
    EXPECT_EQ(lines[0].x, 240 + (41 - rasterface::width("Ground")) / 2);
    EXPECT_EQ(lines[1].top, 328 + 13);
}
