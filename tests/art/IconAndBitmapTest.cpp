#include "ArtFiles.h"

#include <QImageReader>

#include <gtest/gtest.h>

namespace {

bool isCyan(QRgb p) {
    return qAlpha(p) == 255 && qRed(p) == 0 && qGreen(p) >= 0xF8 && qBlue(p) >= 0xF8;
}

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

// The Windows program's icon holds the design first, and each size Windows
// asks for at 100 % to 200 %, every one the design scaled by whole pixels.
TEST(PanelIcon, TheWindowsIconHoldsEverySizeOfTheDesign) {
    const auto ico = artBytes("icon-windows.ico");
    ASSERT_GE(ico.size(), 6u);
    ASSERT_EQ(le16(ico, 4), 7u);
    const int sizes[] = {32, 16, 20, 24, 40, 48, 64};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(ico[6 + 16 * i], sizes[i]);
        EXPECT_EQ(le16(ico, 6 + 16 * i + 6), 8u) << "256 colours at " << sizes[i];
    }
    const QImage design = artImage("icon.ico");
    QImageReader reader(QString::fromStdString(artPath("icon-windows.ico")));
    ASSERT_EQ(reader.imageCount(), 7);
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.width(), sizes[i]);
        const QImage want =
            design.scaled(sizes[i], sizes[i], Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (sizes[i] % 32 == 0) { // whole multiples repeat every pixel alike
            EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
                      want.convertToFormat(QImage::Format_ARGB32))
                << sizes[i];
        }
        EXPECT_TRUE(isCyan(pixelAt(image, 0, 0))) << "the cyan ground at " << sizes[i];
        EXPECT_EQ(qAlpha(image.pixel(sizes[i] / 16, sizes[i] - 1)), 0)
            << "the clear strip at " << sizes[i];
    }
}

TEST(PanelIcon, ShowsAPortraitOnCyanClearOnlyInTheStrip) {
    const QImage icon = artImage("icon.ico");
    ASSERT_EQ(icon.size(), QSize(32, 32));
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
