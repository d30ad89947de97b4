#pragma once

#include "Drawing.h" // Rgb

#include <cstdint>
#include <vector>

// A colour written as 0xRRGGBB.
constexpr metafile::Rgb rgb(std::uint32_t hex) {
    return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8),
            static_cast<std::uint8_t>(hex)};
}

// A true-colour picture being drawn, row by row from the top.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<metafile::Rgb> pixels;

    RgbImage(int w, int h, metafile::Rgb fill)
        : width(w)
        , height(h)
        , pixels(std::size_t(w) * h, fill) {}
    metafile::Rgb& at(int col, int row) { return pixels[std::size_t(row) * width + col]; }
    const metafile::Rgb& at(int col, int row) const {
        return pixels[std::size_t(row) * width + col];
    }
};

// A palette picture as GIF and icon files store it.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<metafile::Rgb> palette;
    std::vector<std::uint8_t> pixels; // palette indexes, row by row from the top
    int transparentIndex = -1;        // -1: no transparent colour
};

// Where each colour goes in a palette file: `order` lists every colour the
// picture uses, in palette order; `transparent` is put at `transparentIndex`
// among them; unused entries up to `size` are black.
struct PaletteLayout {
    int size = 0;
    std::vector<metafile::Rgb> order;
    metafile::Rgb transparent;
    int transparentIndex = 0;
};

// Indexes `image` by `layout`. Throws std::logic_error when the picture holds a
// colour the layout lacks or leaves one of its colours unused, so the file
// always has exactly the entries the layout names.
IndexedImage toIndexed(const RgbImage& image, const PaletteLayout& layout);
