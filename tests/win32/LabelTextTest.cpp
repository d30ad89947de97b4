// The legends as GDI draws them: with the raster face, and with another face
// standing in for it, whose words must still stand in the raster face's
// columns so that the legends read as bit diagrams.
#include "LabelText.h"
#include "DibCanvas.h"
#include "PixelGeometry.h"
#include "RasterFace.h"
#include "WindowFonts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace layout;

namespace {

// Where ink begins after a gap of at least two blank columns, in one text row
// band of a label drawn at the window's origin.
std::vector<int> wordStarts(const DibCanvas& canvas, const PixelRect& box, int line,
                            const DisplayScale& scale = {}) {
    const COLORREF back = canvas.at(box.left, box.top);
    std::vector<int> starts;
    const int gap = scale.isOne() ? 2 : 3;
    int blank = gap;
    for (int x = box.left; x < box.right(); ++x) {
        bool ink = false;
        // On a denser screen the face's bars reach down into the next line's
        // first rows, which hold no glyph of their own.
        const int top = box.top + scale.length(line * rasterface::LineHeight) +
                        (scale.isOne() ? 0 : scale.length(2));
        const int bottom = box.top + scale.length((line + 1) * rasterface::LineHeight);
        for (int y = top; y < bottom && y < box.bottom(); ++y) {
            ink = ink || canvas.at(x, y) != back;
        }
        if (ink && blank >= gap) {
            starts.push_back(x);
        }
        blank = ink ? 0 : blank + 1;
    }
    return starts;
}

std::vector<std::vector<int>> columnsOf(const ControlEntry& label, const WindowFonts& fonts,
                                        const DisplayScale& scale = {}) {
    DibCanvas canvas(scale.length(415), scale.length(448), RGB(255, 0, 255));
    paintLabel(canvas.dc(), label, fonts, scale);
    const PixelRect box = scale.rect(pixelBounds(label));
    std::vector<std::vector<int>> lines;
    for (int line = 0; line * rasterface::LineHeight < pixelBounds(label).height; ++line) {
        lines.push_back(wordStarts(canvas, box, line, scale));
    }
    return lines;
}

// The legends drawn with `fonts` at `scale` against the raster face at 96
// dpi: the first line is words, not a diagram; the rest are columns of "x",
// "|" and bit numbers, which must stand at the raster face's, scaled, within
// `slack` pixels.
void expectRasterColumns(const WindowFonts& fonts, const DisplayScale& scale, int slack) {
    const WindowFonts raster;
    ASSERT_TRUE(raster.isRasterFace());
    for (const char* name : {"Label5", "Label12"}) {
        const ControlEntry* label = findControl({name});
        ASSERT_NE(label, nullptr);
        const auto want = columnsOf(*label, raster);
        const auto got = columnsOf(*label, fonts, scale);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t line = 1; line < want.size(); ++line) {
            ASSERT_EQ(got[line].size(), want[line].size()) << name << " line " << line;
            for (std::size_t i = 0; i < want[line].size(); ++i) {
                EXPECT_LE(std::abs(got[line][i] - scale.edge(want[line][i])), slack)
                    << name << " line " << line << " word " << i;
            }
        }
    }
}

} // namespace

TEST(LabelText, AnotherFaceKeepsTheLegendsColumns) {
    const WindowFonts other(DisplayScale(), L"Tahoma");
    ASSERT_FALSE(other.isRasterFace());
    expectRasterColumns(other, DisplayScale(), 1);
}

// At twice the density the scalable face stands in, and the legends' columns
// are the raster face's, doubled.
TEST(LabelText, AtTwiceTheDensityTheColumnsAreDoubled) {
    const DisplayScale twice(2.0);
    const WindowFonts scaled(twice);
    EXPECT_FALSE(scaled.isRasterFace());
    expectRasterColumns(scaled, twice, 2);
}

TEST(LabelText, PortLabelsAreUnderlinedOnTheRowUnderTheGlyphs) {
    const ControlEntry* label = findControl({"Label1"});
    ASSERT_NE(label, nullptr);
    const PixelRect box = pixelBounds(*label);
    for (const wchar_t* face : {WindowFonts::RasterFaceName, L"Tahoma"}) {
        const WindowFonts fonts(DisplayScale(), face);
        DibCanvas canvas(415, 448, RGB(255, 0, 255));
        paintLabel(canvas.dc(), *label, fonts);
        const COLORREF text = GetSysColor(COLOR_BTNTEXT);
        int row = -1;
        for (int y = box.top; y < box.bottom() && row < 0; ++y) {
            int run = 0;
            for (int x = box.left; x < box.right(); ++x) {
                run = canvas.at(x, y) == text ? run + 1 : 0;
                if (run > 40) {
                    row = y;
                }
            }
        }
        EXPECT_EQ(row, box.top + rasterface::Ascent) << "face " << (face[0] == 'M' ? 0 : 1);
        EXPECT_NE(canvas.at(box.left + box.width / 2, row + 1), text); // one pixel thick
    }
}
