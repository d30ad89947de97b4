#include "Portrait.h"

#include "ColourRamp.h"
#include "PixelEllipse.h"

#include <algorithm>
#include <cmath>

using namespace metafile;

namespace {

constexpr int Side = 32;

// The clear strip: column 3 of row 25, columns 2 and 3 of rows 26 to 31.
bool isMasked(int col, int row) {
    return (row == 25 && col == 3) || (row >= 26 && (col == 2 || col == 3));
}

// A little grain, as in a scanned photograph: -1, 0 or 1 from the pixel's place.
int grain(int col, int row) {
    std::uint32_t h =
        static_cast<std::uint32_t>(col) * 73856093u ^ static_cast<std::uint32_t>(row) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<int>(h % 3) - 1;
}

constexpr PixelEllipse Face{16.0, 14.5, 7.2, 9.6};
constexpr PixelEllipse HairMop{16.0, 13.0, 11.8, 13.0};
constexpr PixelEllipse Shoulders{16.0, 36.0, 23.0, 15.0};

// Picks from a dark-to-light ramp by a brightness from 0 to 1, with grain.
Rgb fromRamp(const std::vector<Rgb>& ramp, double brightness, int col, int row) {
    const int last = static_cast<int>(ramp.size()) - 1;
    const int level = static_cast<int>(brightness * last + 0.5) + grain(col, row);
    return ramp[std::size_t(std::clamp(level, 0, last))];
}

// Light falls from the upper left onto a rounded surface.
double lit(const PixelEllipse& shape, int col, int row) {
    const double x = shape.dx(col);
    const double y = shape.dy(row);
    const double z = std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
    return std::clamp(0.25 + 0.75 * (-0.45 * x - 0.35 * y + 0.82 * z), 0.0, 1.0);
}

struct Palette {
    std::vector<Rgb> skin =
        colourRamp({{0, rgb(0x70402C)}, {10, rgb(0xC88C6C)}, {19, rgb(0xFADCC4)}});
    std::vector<Rgb> hair = colourRamp({{0, rgb(0x24140A)}, {9, rgb(0x7A4C26)}});
    std::vector<Rgb> jacket = colourRamp({{0, rgb(0x12121C)}, {7, rgb(0x484860)}});
    std::vector<Rgb> shirt = colourRamp({{0, rgb(0xA8A8B4)}, {7, rgb(0xFFFFFF)}});
    std::vector<Rgb> lips = colourRamp({{0, rgb(0x8C3434)}, {2, rgb(0xC86458)}});
    Rgb eye = rgb(0x1C1410);
    std::vector<Rgb> cyan{rgb(0x00F8F8), rgb(0x00FCF8), rgb(0x00FFFF)};
};

Rgb faceFeature(const Palette& p, int col, int row, Rgb skin) {
    const bool eyes = row == 13 && (col == 12 || col == 13 || col == 19 || col == 20);
    const bool brows = row == 11 && ((col >= 11 && col <= 14) || (col >= 18 && col <= 21));
    if (eyes) {
        return p.eye;
    }
    if (brows) {
        return p.hair[2];
    }
    if (row == 20 && col >= 14 && col <= 18) {
        return p.lips[col == 16 ? 2 : 1];
    }
    if (row == 21 && col >= 15 && col <= 17) {
        return p.lips[0];
    }
    // The nose: a shaded ridge and the shadow under it.
    if ((col == 17 && row >= 14 && row <= 17) || (row == 18 && (col == 15 || col == 17))) {
        return p.skin[6];
    }
    return skin;
}

Rgb portraitPixel(const Palette& p, int col, int row) {
    const double x = col + 0.5;
    const double y = row + 0.5;
    if (Face.contains(col, row) && y > 7.5) {
        return faceFeature(p, col, row, fromRamp(p.skin, lit(Face, col, row), col, row));
    }
    if (HairMop.contains(col, row) && y < 23.0) {
        return fromRamp(p.hair, lit(HairMop, col, row), col, row);
    }
    if (std::abs(x - 16.0) < 4.0 && y > 21.0 && y < 27.0) {
        return fromRamp(p.skin, 0.35 - 0.02 * (27.0 - y), col,
                        row); // the neck, in the chin's shade
    }
    if (Shoulders.contains(col, row) && y > 23.0) {
        const bool shirtFront = std::abs(x - 16.0) < (y - 23.5) * 0.6;
        return shirtFront ? fromRamp(p.shirt, lit(Shoulders, col, row), col, row)
                          : fromRamp(p.jacket, lit(Shoulders, col, row), col, row);
    }
    return p.cyan[std::size_t(std::clamp(grain(col, row) + grain(row, col) + 2, 0, 2))];
}

} // namespace

IconArt portraitIcon() {
    const Palette palette;
    const Rgb clear = rgb(0x000000); // what the mask hides: black leaves the screen as it is
    RgbImage image(Side, Side, clear);
    IconArt icon;
    for (int row = 0; row < Side; ++row) {
        for (int col = 0; col < Side; ++col) {
            const bool masked = isMasked(col, row);
            icon.masked.push_back(masked);
            if (!masked) {
                image.at(col, row) = portraitPixel(palette, col, row);
            }
        }
    }

    // Palette: black first, then each colour where it first shows, reading
    // from the top left.
    std::vector<Rgb> order;
    for (const Rgb& c : image.pixels) {
        if (c != clear && std::find(order.begin(), order.end(), c) == order.end()) {
            order.push_back(c);
        }
    }
    icon.image = toIndexed(image, {256, order, clear, 0});
    return icon;
}
