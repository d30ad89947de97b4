#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// A picture as the tests compare it: 0xAARRGGBB row by row from the top, 0
// where nothing is drawn, as in the panel's PixelRaster.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// Plays a placeable metafile with GDI's PlayMetaFile into 32-bit DIB sections
// of `width` x `height` pixels, mapped as a program shows such a file: the
// frame of the placeable header onto the whole picture. It plays twice, on
// black and on white; a pixel that differs between the two was not drawn.
Picture playWithGdi(std::span<const std::uint8_t> placeable, int width, int height);

// Records a metafile with GDI's own recorder: `draw` paints on a metafile
// device context in twips from the frame's top-left corner. The result is a
// placeable metafile whose frame is `width` x `height` pixels.
std::vector<std::uint8_t> recordWithGdi(int width, int height,
                                        const std::function<void(HDC)>& draw);

// Writes a picture as a 24-bit BMP file, undrawn pixels light green.
void writeBmp(const Picture& picture, const std::string& path);

// How far two pictures agree: of the pixels drawn in either, how many are
// the same in both; and a picture of the differences, in the second
// picture's colours (black where it drew nothing).
struct Agreement {
    int figurePixels = 0;
    int samePixels = 0;
    Picture differences;

    double share() const { return figurePixels == 0 ? 1.0 : double(samePixels) / figurePixels; }
};
Agreement compare(const Picture& ours, const Picture& gdi);
