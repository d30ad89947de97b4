#include "ArtFiles.h"

#include <gtest/gtest.h>

namespace {

bool inClearStrip(int row, int col) {
    return (row == 25 && col == 3) || (row >= 26 && (col == 2 || col == 3));
}

TEST(PanelIcon, IsOne32x32ImageOf256ColoursWithAMask) {
    const auto ico = artBytes("icon.ico");
    ASSERT_GE(ico.size(), 22u + 40u);
    EXPECT_EQ(le16(ico, 0), 0u);
    EXPECT_EQ(le16(ico, 2), 1u) << "an icon";
    EXPECT_EQ(le16(ico, 4), 1u) << "one image";
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[7], 32);
    EXPECT_EQ(ico[8], 0) << "256 colours";
    EXPECT_EQ(le16(ico, 12), 8u) << "bits per pixel";
    const std::size_t image = le32(ico, 18);
    EXPECT_EQ(le32(ico, 14), ico.size() - image);
    EXPECT_EQ(le32(ico, image + 8), 64u) << "colour rows and mask rows";
    EXPECT_EQ(le16(ico, image + 14), 8u);
    EXPECT_EQ(le32(ico, image + 16), 0u) << "uncompressed";

    // The mask follows the 256-entry palette and 32 rows of 32 indexes; its
    // rows run from the bottom up, four bytes each.
    const std::size_t mask = image + 40 + 256 * 4 + 32 * 32;
    ASSERT_EQ(ico.size(), mask + 32 * 4);
    for (int row = 0; row < 32; ++row) {
        for (int col = 0; col < 32; ++col) {
            const auto byte = ico[mask + std::size_t(31 - row) * 4 + std::size_t(col / 8)];
            EXPECT_EQ(((byte >> (7 - col % 8)) & 1) != 0, inClearStrip(row, col))
                << row << "," << col;
        }
    }
}

TEST(PanelIcon, ShowsAPortraitOnCyanClearOnlyInTheStrip) {
    const QImage icon = artImage("icon.ico");
    ASSERT_EQ(icon.size(), QSize(32, 32));
    const auto isCyan = [](QRgb p) {
        return qAlpha(p) == 255 && qRed(p) == 0 && qGreen(p) >= 0xF8 && qBlue(p) >= 0xF8;
    };
    int cyan = 0;
    for (int row = 0; row < 32; ++row) {
        for (int col = 0; col < 32; ++col) {
            const QRgb p = pixelAt(icon, row, col);
            EXPECT_EQ(p == 0, inClearStrip(row, col)) << row << "," << col;
            cyan += isCyan(p);
        }
    }
    EXPECT_NEAR(cyan, 290, 30);
    EXPECT_GT(countPixels(icon, opaque(0x00FFFF)), 100);
    EXPECT_TRUE(isCyan(pixelAt(icon, 0, 0)));
    EXPECT_FALSE(isCyan(pixelAt(icon, 14, 16))) << "the face fills the middle";
}

TEST(SquareLamp, IsAnUncompressed24BitBlueBallOnOpaqueGrey) {
    const auto bmp = artBytes("lamp-square.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(le32(bmp, 18), 14u);
    EXPECT_EQ(le32(bmp, 22), 14u);
    EXPECT_EQ(le16(bmp, 28), 24u) << "bits per pixel";
    EXPECT_EQ(le32(bmp, 30), 0u) << "uncompressed";

    const QImage lamp = artImage("lamp-square.bmp");
    ASSERT_EQ(lamp.size(), QSize(14, 14));
    EXPECT_EQ(countPixels(lamp, 0), 0) << "a bitmap has no clear pixels";
    EXPECT_EQ(countPixels(lamp, opaque(0xBEBEBE)), 108);
    for (QRgb named : {0xA6C7FF, 0x8CA7FF, 0x0000FF, 0x0800FF, 0x00004A}) {
        EXPECT_GT(countPixels(lamp, opaque(named)), 0) << std::hex << named;
    }
    // The ball spans columns 2 to 11; the highlight lies above and left of the centre.
    EXPECT_NE(pixelAt(lamp, 7, 2), opaque(0xBEBEBE));
    EXPECT_NE(pixelAt(lamp, 7, 11), opaque(0xBEBEBE));
    EXPECT_EQ(pixelAt(lamp, 7, 1), opaque(0xBEBEBE));
    EXPECT_EQ(pixelAt(lamp, 7, 12), opaque(0xBEBEBE));
    for (int row = 0; row < 14; ++row) {
        for (int col = 0; col < 14; ++col) {
            if (pixelAt(lamp, row, col) == opaque(0xA6C7FF)) {
                EXPECT_TRUE(row < 7 && col < 7) << row << "," << col;
            }
        }
    }
}

} // namespace
