#include "BmpFile.h"

#include "BitmapInfoHeader.h"
#include "ByteWriter.h"

using namespace metafile;

std::vector<std::uint8_t> encodeBmp24(const RgbImage& image) {
    constexpr std::uint32_t headersBytes = 14 + 40;
    const int rowBytes = bitmapRowBytes(image.width, 24);
    const auto imageBytes = static_cast<std::uint32_t>(rowBytes * image.height);

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(headersBytes + imageBytes);
    out.u32(0); // reserved
    out.u32(headersBytes);
    writeBitmapInfoHeader(out, image.width, image.height, 24, imageBytes);
    for (int row = image.height - 1; row >= 0; --row) {
        for (int col = 0; col < image.width; ++col) {
            const Rgb& c = image.at(col, row);
            out.u8(c.blue);
            out.u8(c.green);
            out.u8(c.red);
        }
        out.zeros(static_cast<std::size_t>(rowBytes - image.width * 3));
    }
    return std::move(out.bytes());
}
