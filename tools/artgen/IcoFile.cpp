#include "IcoFile.h"

#include "BitmapInfoHeader.h"
#include "ByteWriter.h"

#include <stdexcept>

std::vector<std::uint8_t> encodeIco8(const IndexedImage& image, const std::vector<bool>& masked) {
    if (image.palette.size() != 256 || image.width > 255 || image.height > 255 ||
        masked.size() != image.pixels.size()) {
        throw std::invalid_argument("icon needs 256 colours, a mask and at most 255 pixels a side");
    }
    constexpr std::uint32_t directoryBytes = 6 + 16;
    const int colourRow = bitmapRowBytes(image.width, 8);
    const int maskRow = bitmapRowBytes(image.width, 1);
    const auto pixelBytes = static_cast<std::uint32_t>((colourRow + maskRow) * image.height);
    const std::uint32_t imageBytes = 40 + 256 * 4 + pixelBytes;

    ByteWriter out;
    out.u16(0); // reserved
    out.u16(1); // an icon, not a cursor
    out.u16(1); // one image
    out.u8(static_cast<unsigned>(image.width));
    out.u8(static_cast<unsigned>(image.height));
    out.u8(0);  // 256 colours
    out.u8(0);  // reserved
    out.u16(1); // planes
    out.u16(8); // bits per pixel
    out.u32(imageBytes);
    out.u32(directoryBytes);

    writeBitmapInfoHeader(out, image.width, image.height * 2, 8, pixelBytes);
    for (const Rgb& c : image.palette) {
        out.u8(c.blue);
        out.u8(c.green);
        out.u8(c.red);
        out.u8(0);
    }
    for (int row = image.height - 1; row >= 0; --row) {
        for (int col = 0; col < image.width; ++col) {
            out.u8(image.pixels[std::size_t(row) * image.width + col]);
        }
        out.zeros(static_cast<std::size_t>(colourRow - image.width));
    }
    for (int row = image.height - 1; row >= 0; --row) {
        for (int byte = 0; byte < maskRow; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int col = byte * 8 + bit;
                if (col < image.width && masked[std::size_t(row) * image.width + col]) {
                    bits |= 0x80u >> bit;
                }
            }
            out.u8(bits);
        }
    }
    return std::move(out.bytes());
}
