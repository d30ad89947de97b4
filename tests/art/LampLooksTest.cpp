#include "ArtFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::map<QRgb, int> colourCounts(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int row = 0; row < image.height(); ++row) {
        for (int col = 0; col < image.width(); ++col) {
            ++counts[pixelAt(image, row, col)];
        }
    }
    return counts;
}

TEST(WhiteLamp, IsAGreyBallLitFromTheUpperLeftWithTwoClearGlints) {
    const QImage lamp = artImage("lamp-white.gif");
    ASSERT_EQ(lamp.size(), QSize(14, 14));
    EXPECT_EQ(pixelAt(lamp, 3, 5), opaque(0xFEFFFF));
    EXPECT_EQ(pixelAt(lamp, 8, 10), opaque(0x4A4A4A));
    EXPECT_EQ(pixelAt(lamp, 3, 9), 0u) << "pure white is the clear colour";
    EXPECT_EQ(pixelAt(lamp, 4, 9), 0u);
    for (int i = 0; i < 14; ++i) {
        for (int edge : {0, 1, 12, 13}) {
            EXPECT_EQ(pixelAt(lamp, edge, i), 0u) << "margin row " << edge;
            EXPECT_EQ(pixelAt(lamp, i, edge), 0u) << "margin column " << edge;
        }
    }
    std::set<QRgb> expected{0};
    for (QRgb grey : {0x4A4A4A, 0x5A5A5A, 0x636363, 0x6B6B6B, 0x737373, 0x848484, 0x8C8C8C,
                      0x949494, 0x9C9C9C, 0xADADAD, 0xB5B5B5, 0xBDBDBD, 0xCECECE, 0xD6D6D6,
                      0xDEDEDE, 0xE7E7E7, 0xEFEFEF, 0xFEFFFF}) {
        expected.insert(opaque(grey));
    }
    std::set<QRgb> found;
    for (const auto& [colour, count] : colourCounts(lamp)) {
        found.insert(colour);
    }
    EXPECT_EQ(found, expected);
}

TEST(RedLamp, IsACrimsonBallWithAPinkHighlightAndShadowSpecks) {
    const QImage lamp = artImage("lamp-red.gif");
    ASSERT_EQ(lamp.size(), QSize(14, 14));
    EXPECT_EQ(pixelAt(lamp, 5, 6), opaque(0xFEA4EF));
    const std::set<QRgb> beside{pixelAt(lamp, 4, 6), pixelAt(lamp, 6, 6), pixelAt(lamp, 5, 5),
                                pixelAt(lamp, 5, 7)};
    EXPECT_TRUE(beside.count(opaque(0xFE8BD5)));

    // The darkest pixel of the ball sits at the lower right.
    EXPECT_EQ(pixelAt(lamp, 9, 9), opaque(0x4A0010));
    const auto counts = colourCounts(lamp);
    for (QRgb red : {0xFE0054, 0xFE004C, 0xFE0751}) {
        EXPECT_TRUE(counts.count(opaque(red))) << std::hex << red;
    }
    const auto lightness = [](QRgb c) {
        return qRed(c) + qGreen(c) + qBlue(c);
    };
    for (const auto& [colour, count] : counts) {
        if (colour != 0) {
            EXPECT_GE(lightness(colour), lightness(0x4A0010)) << std::hex << colour;
        }
    }

    int specks = 0;
    for (int row = 0; row < 14; ++row) {
        for (int col = 0; col < 14; ++col) {
            if (pixelAt(lamp, row, col) == opaque(0xC6BDBD)) {
                ++specks;
                EXPECT_TRUE(row >= 7 && col >= 2) << row << "," << col;
            }
        }
    }
    EXPECT_EQ(specks, 10);
    EXPECT_EQ(pixelAt(lamp, 0, 0), 0u) << "the grey ground is clear";
}

TEST(BlueLamp, FillsItsPictureWithOnlyTheCornersClear) {
    const QImage lamp = artImage("lamp-blue.gif");
    ASSERT_EQ(lamp.size(), QSize(12, 12));
    int clear[2][2] = {};
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 12; ++col) {
            if (pixelAt(lamp, row, col) == 0) {
                ++clear[row / 6][col / 6];
            }
            const QRgb c = pixelAt(lamp, row, col);
            if (c == opaque(0x9966FF) || c == opaque(0x9999FF) || c == opaque(0x6666FF)) {
                EXPECT_TRUE(row >= 3 && row <= 5 && col >= 4 && col <= 6) << row << "," << col;
            }
        }
    }
    EXPECT_EQ(clear[0][0], 7);
    EXPECT_EQ(clear[0][1], 7);
    EXPECT_EQ(clear[1][0], 7);
    EXPECT_EQ(clear[1][1], 7);

    const auto counts = colourCounts(lamp);
    for (QRgb named : {0x3333FF, 0x330099, 0x3366CC, 0x9966FF, 0x9999FF, 0x6666FF, 0xEEEEEE,
                       0xDDDDDD, 0xCCCCFF, 0x888888, 0xAAAAAA}) {
        EXPECT_TRUE(counts.count(opaque(named))) << std::hex << named;
    }
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (colour != opaque(0x3300CC)) {
            most = std::max(most, count);
        }
    }
    EXPECT_GT(counts.at(opaque(0x3300CC)), most) << "the body colour covers most of the ball";
}

} // namespace
