#include "IcoFile.h"

#include "BitmapInfoHeader.h"
#include "ByteWriter.h"

#include <stdexcept>

using namespace metafile;

namespace {

int colourRowBytes(const IndexedImage& image) {
    return bitmapRowBytes(image.width, 8);
}
int maskRowBytes(const IndexedImage& image) {
    return bitmapRowBytes(image.width, 1);
}
std::uint32_t pixelBytes(const IndexedImage& image) {
    return static_cast<std::uint32_t>((colourRowBytes(image) + maskRowBytes(image)) * image.height);
}
std::uint32_t imageBytes(const IndexedImage& image) {
    return 40 + 256 * 4 + pixelBytes(image);
}

void writeImage(ByteWriter& out, const IconImage& icon) {
    const IndexedImage& image = icon.image;
    const int colourRow = colourRowBytes(image);
    const int maskRow = maskRowBytes(image);
    writeBitmapInfoHeader(out, image.width, image.height * 2, 8, pixelBytes(image));
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
                if (col < image.width && icon.masked[std::size_t(row) * image.width + col]) {
                    bits |= 0x80u >> bit;
                }
            }
            out.u8(bits);
        }
    }
}

} // namespace

std::vector<std::uint8_t> encodeIco8(const std::vector<IconImage>& images) {
    for (const IconImage& icon : images) {
        const IndexedImage& image = icon.image;
        if (image.palette.size() != 256 || image.width > 255 || image.height > 255 ||
            icon.masked.size() != image.pixels.size()) {
            throw std::invalid_argument(
                "icon needs 256 colours, a mask and at most 255 pixels a side");
        }
    }
    ByteWriter out;
    out.u16(0); // reserved
    out.u16(1); // an icon, not a cursor
    out.u16(static_cast<unsigned>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IconImage& icon : images) {
        out.u8(static_cast<unsigned>(icon.image.width));
        out.u8(static_cast<unsigned>(icon.image.height));
        out.u8(0);  // 256 colours
        out.u8(0);  // reserved
        out.u16(1); // planes
        out.u16(8); // bits per pixel
        out.u32(imageBytes(icon.image));
        out.u32(offset);
        offset += imageBytes(icon.image);
    }
    for (const IconImage& icon : images) {
        writeImage(out, icon);
    }
    return std::move(out.bytes());
}

std::vector<std::uint8_t> encodeIco8(const IndexedImage& image, const std::vector<bool>& masked) {
    return encodeIco8(std::vector<IconImage>{{image, masked}});
}

IconImage scaledIcon(const IconImage& icon, int size) {
    IconImage out{icon.image, {}};
    out.image.width = size;
    out.image.height = size;
    out.image.pixels.assign(std::size_t(size) * size, 0);
    out.masked.assign(std::size_t(size) * size, false);
    for (int row = 0; row < size; ++row) {
        const int sy = (2 * row + 1) * icon.image.height / (2 * size);
        for (int col = 0; col < size; ++col) {
            const int sx = (2 * col + 1) * icon.image.width / (2 * size);
            const std::size_t from = std::size_t(sy) * icon.image.width + sx;
            out.image.pixels[std::size_t(row) * size + col] = icon.image.pixels[from];
            out.masked[std::size_t(row) * size + col] = icon.masked[from];
        }
    }
    return out;
}
