#include "GifFile.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>
#include <string>

using namespace metafile;

namespace {

int appendToBuffer(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

void check(int result, GifFileType* gif, const char* step) {
    if (result == GIF_ERROR) {
        throw std::runtime_error(std::string("GIF ") + step + ": " + GifErrorString(gif->Error));
    }
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

std::vector<std::uint8_t> encodeGif(const IndexedImage& image) {
    std::vector<GifColorType> colours;
    for (const Rgb& c : image.palette) {
        colours.push_back({c.red, c.green, c.blue});
    }
    std::unique_ptr<ColorMapObject, MapDeleter> map(
        GifMakeMapObject(static_cast<int>(colours.size()), colours.data()));
    if (!map) {
        throw std::invalid_argument("GIF palette size must be a power of two up to 256");
    }

    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendToBuffer, &error);
    if (!gif) {
        throw std::runtime_error(std::string("GIF open: ") + GifErrorString(error));
    }
    // Close the file however we leave; the first failure is the one reported.
    std::unique_ptr<GifFileType, void (*)(GifFileType*)> closer(
        gif, [](GifFileType* g) { EGifCloseFile(g, nullptr); });

    EGifSetGifVersion(gif, true);
    check(EGifPutScreenDesc(gif, image.width, image.height, 8, 0, map.get()), gif, "screen");

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor =
        image.transparentIndex < 0 ? NO_TRANSPARENT_COLOR : image.transparentIndex;
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&control, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension), gif,
          "control extension");

    check(EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr), gif, "image");
    std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
        const auto first = image.pixels.begin() + std::ptrdiff_t(y) * image.width;
        std::copy(first, first + image.width, row.begin());
        check(EGifPutLine(gif, row.data(), image.width), gif, "row");
    }

    closer.release();
    if (EGifCloseFile(gif, &error) == GIF_ERROR) {
        throw std::runtime_error(std::string("GIF close: ") + GifErrorString(error));
    }
    return out;
}
