#pragma once

#include "ByteWriter.h"

// The 40-byte header that bitmap and icon files share. An icon stores its
// height doubled, colour rows and mask rows counted together.
inline void writeBitmapInfoHeader(ByteWriter& out, int width, int storedHeight, int bitsPerPixel,
                                  std::uint32_t imageBytes) {
    constexpr std::uint32_t pixelsPerMetre = 3780; // 96 dots per inch
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(storedHeight));
    out.u16(1); // planes
    out.u16(static_cast<unsigned>(bitsPerPixel));
    out.u32(0); // no compression
    out.u32(imageBytes);
    out.u32(pixelsPerMetre);
    out.u32(pixelsPerMetre);
    out.u32(0); // colours used: all the bit depth allows
    out.u32(0); // important colours: all
}

// Bytes in one stored row: rows are padded to whole 32-bit words.
inline int bitmapRowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}
