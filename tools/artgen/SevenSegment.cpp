#include "SevenSegment.h"

#include <array>
#include <stdexcept>
#include <string_view>
#include <vector>

using namespace metafile;

namespace {

// A block of lit pixels: rows and columns counted from 0 at the top left,
// both ends included.
struct Block {
    int firstRow, lastRow;
    int firstCol, lastCol;
};

// Segments are three pixels thick and end in 45-degree mitres, so neighbours
// are parted by a one-pixel diagonal gap.
struct Segment {
    char name;
    std::vector<Block> blocks;
};

const std::array<Segment, 7>& segments() {
    static const std::array<Segment, 7> table{{
        {'a', {{0, 0, 1, 10}, {1, 1, 2, 9}, {2, 2, 3, 8}}},
        {'b', {{1, 1, 11, 11}, {2, 2, 10, 11}, {3, 6, 9, 11}, {7, 7, 10, 11}}},
        {'c', {{9, 9, 10, 11}, {10, 13, 9, 11}, {14, 14, 10, 11}, {15, 15, 11, 11}}},
        {'d', {{14, 14, 3, 8}, {15, 15, 2, 9}, {16, 16, 1, 10}}},
        {'e', {{9, 9, 0, 1}, {10, 13, 0, 2}, {14, 14, 0, 1}, {15, 15, 0, 0}}},
        {'f', {{1, 1, 0, 0}, {2, 2, 0, 1}, {3, 6, 0, 2}, {7, 7, 0, 1}}},
        {'g', {{7, 7, 3, 8}, {8, 8, 2, 9}, {9, 9, 3, 8}}},
    }};
    return table;
}

// The segments each digit lights, and the odd pixels some digits add where
// the hand-drawn glyphs fill a gap.
struct Glyph {
    std::string_view lit;
    std::vector<Block> extra;
};

const std::array<Glyph, 6>& glyphs() {
    static const std::array<Glyph, 6> table{{
        {"abcdef", {}},
        {"bc", {}},
        {"abged", {}},
        {"abgcd", {{7, 7, 2, 2}, {8, 8, 1, 1}, {9, 9, 2, 2}}},
        {"fgbc", {{8, 8, 0, 0}, {9, 9, 1, 2}}},
        {"afgcd", {{7, 7, 9, 10}, {8, 8, 0, 0}, {8, 8, 11, 11}, {9, 9, 1, 2}}},
    }};
    return table;
}

void light(RgbImage& image, const Block& block, Rgb colour) {
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
        for (int col = block.firstCol; col <= block.lastCol; ++col) {
            image.at(col, row) = colour;
        }
    }
}

} // namespace

IndexedImage digitGlyph(int digit) {
    if (digit < 0 || digit >= static_cast<int>(glyphs().size())) {
        throw std::out_of_range("no glyph for that digit");
    }
    const Rgb green = rgb(0x00FF00);
    const Rgb clear = rgb(0x000000);
    RgbImage image(GlyphWidth, GlyphHeight, clear);
    const Glyph& glyph = glyphs()[std::size_t(digit)];
    for (const Segment& segment : segments()) {
        if (glyph.lit.find(segment.name) != std::string_view::npos) {
            for (const Block& block : segment.blocks) {
                light(image, block, green);
            }
        }
    }
    for (const Block& block : glyph.extra) {
        light(image, block, green);
    }
    return toIndexed(image, {2, {green}, clear, 1});
}
