#include "Raster.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

using namespace metafile;

namespace {

std::string hexOf(const Rgb& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
    return text;
}

} // namespace

IndexedImage toIndexed(const RgbImage& image, const PaletteLayout& layout) {
    IndexedImage out;
    out.width = image.width;
    out.height = image.height;
    out.palette = layout.order;
    out.palette.insert(out.palette.begin() + layout.transparentIndex, layout.transparent);
    if (static_cast<int>(out.palette.size()) > layout.size) {
        throw std::logic_error("palette overflows its size");
    }
    const auto usedCount = out.palette.size();
    out.palette.resize(static_cast<std::size_t>(layout.size), Rgb{0, 0, 0});
    out.transparentIndex = layout.transparentIndex;

    std::vector<bool> used(usedCount, false);
    const auto usedEnd = out.palette.begin() + static_cast<std::ptrdiff_t>(usedCount);
    for (const Rgb& colour : image.pixels) {
        const auto found = std::find(out.palette.begin(), usedEnd, colour);
        if (found == usedEnd) {
            throw std::logic_error("picture uses " + hexOf(colour) + ", which its palette lacks");
        }
        const auto index = static_cast<std::size_t>(found - out.palette.begin());
        used[index] = true;
        out.pixels.push_back(static_cast<std::uint8_t>(index));
    }
    for (std::size_t i = 0; i < usedCount; ++i) {
        if (!used[i]) {
            throw std::logic_error("palette names " + hexOf(out.palette[i]) +
                                   ", which the picture does not use");
        }
    }
    return out;
}
