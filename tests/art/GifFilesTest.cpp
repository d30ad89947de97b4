#include "ArtFiles.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>

namespace {

struct ExpectedGif {
    const char* file;
    int width, height;
    int paletteSize, usedEntries;
    int transparentIndex;
    QRgb transparentColour;
};

const ExpectedGif Gifs[] = {
    {"lamp-white.gif", 14, 14, 32, 19, 18, 0xFFFFFF},
    {"lamp-red.gif", 14, 14, 64, 42, 12, 0xBFBFBF},
    {"lamp-blue.gif", 12, 12, 32, 21, 4, 0xC0C0C0},
    {"digit0.gif", 12, 17, 2, 2, 1, 0x000000},
    {"digit1.gif", 12, 17, 2, 2, 1, 0x000000},
    {"digit2.gif", 12, 17, 2, 2, 1, 0x000000},
    {"digit3.gif", 12, 17, 2, 2, 1, 0x000000},
    {"digit4.gif", 12, 17, 2, 2, 1, 0x000000},
    {"digit5.gif", 12, 17, 2, 2, 1, 0x000000},
};

void PrintTo(const ExpectedGif& expected, std::ostream* out) {
    *out << expected.file;
}

struct Reader {
    const std::vector<std::uint8_t>* bytes;
    std::size_t at = 0;
};

int readFromBuffer(GifFileType* gif, GifByteType* out, int length) {
    auto* reader = static_cast<Reader*>(gif->UserData);
    const auto n = std::min<std::size_t>(std::size_t(length), reader->bytes->size() - reader->at);
    std::memcpy(out, reader->bytes->data() + reader->at, n);
    reader->at += n;
    return static_cast<int>(n);
}

using GifPtr = std::unique_ptr<GifFileType, void (*)(GifFileType*)>;

GifPtr slurp(Reader& reader) {
    int error = 0;
    GifPtr gif(DGifOpen(&reader, readFromBuffer, &error),
               [](GifFileType* g) { DGifCloseFile(g, nullptr); });
    if (gif && DGifSlurp(gif.get()) != GIF_OK) {
        gif.reset();
    }
    return gif;
}

class GifFileTest : public testing::TestWithParam<ExpectedGif> {};

TEST_P(GifFileTest, IsOneStillFrameWithTheStatedPalette) {
    const ExpectedGif& expected = GetParam();
    const auto bytes = artBytes(expected.file);
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");

    Reader reader{&bytes};
    const GifPtr gif = slurp(reader);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->SWidth, expected.width);
    EXPECT_EQ(gif->SHeight, expected.height);
    ASSERT_NE(gif->SColorMap, nullptr);
    EXPECT_EQ(gif->SColorMap->ColorCount, expected.paletteSize);
    const GifColorType clear = gif->SColorMap->Colors[expected.transparentIndex];
    EXPECT_EQ(qRgb(clear.Red, clear.Green, clear.Blue), opaque(expected.transparentColour));

    ASSERT_EQ(gif->ImageCount, 1);
    const SavedImage& frame = gif->SavedImages[0];
    EXPECT_EQ(frame.ImageDesc.Left, 0);
    EXPECT_EQ(frame.ImageDesc.Top, 0);
    EXPECT_EQ(frame.ImageDesc.Width, expected.width);
    EXPECT_EQ(frame.ImageDesc.Height, expected.height);
    EXPECT_FALSE(frame.ImageDesc.Interlace);
    EXPECT_EQ(frame.ImageDesc.ColorMap, nullptr) << "no local colour table";

    // Exactly one extension, the graphic control block; none after the frame.
    ASSERT_EQ(frame.ExtensionBlockCount, 1);
    EXPECT_EQ(frame.ExtensionBlocks[0].Function, GRAPHICS_EXT_FUNC_CODE);
    EXPECT_EQ(gif->ExtensionBlockCount, 0);
    GraphicsControlBlock control;
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), 0, &control), GIF_OK);
    EXPECT_EQ(control.DelayTime, 0);
    EXPECT_EQ(control.DisposalMode, DISPOSAL_UNSPECIFIED);
    EXPECT_EQ(control.TransparentColor, expected.transparentIndex);

    const std::set<int> used(frame.RasterBits, frame.RasterBits + expected.width * expected.height);
    EXPECT_EQ(static_cast<int>(used.size()), expected.usedEntries);
    EXPECT_TRUE(used.count(expected.transparentIndex));
}

INSTANTIATE_TEST_SUITE_P(Art, GifFileTest, testing::ValuesIn(Gifs),
                         [](const testing::TestParamInfo<ExpectedGif>& info) {
                             std::string name = info.param.file;
                             name.resize(name.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
