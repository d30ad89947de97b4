#include "GdiPicture.h"
#include "MetafilePlayer.h"
#include "PassengerBytes.h"
#include "PixelRaster.h"
#include "TwipsPerPixel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace controls;
using namespace metafile;

// The panel's scan converter and GDI's PlayMetaFile, here as Wine implements
// it, draw the same files; these tests compare them pixel for pixel.

namespace {

Picture drawnByThePanel(std::span<const std::uint8_t> file) {
    const PixelRaster raster = rasteriseAtNaturalSize(playMetafile(file));
    return {raster.width, raster.height, raster.argb};
}

// Plays the file both ways at the panel's natural size; below `keepBelow`
// both pictures and their differences are written beside the program.
Agreement drawBothWays(std::span<const std::uint8_t> file, const std::string& name,
                       double keepBelow = 1.0) {
    const Picture panel = drawnByThePanel(file);
    const Picture gdi = playWithGdi(file, panel.width, panel.height);
    Agreement agreement = compare(panel, gdi);
    std::printf("%s: %d of %d figure pixels agree, %.2f %%\n", name.c_str(), agreement.samePixels,
                agreement.figurePixels, 100 * agreement.share());
    if (agreement.share() < keepBelow) {
        writeBmp(panel, name + "-panel.bmp");
        writeBmp(gdi, name + "-gdi.bmp");
        writeBmp(agreement.differences, name + "-differences.bmp");
        std::printf("  written: %s-panel.bmp, %s-gdi.bmp, %s-differences.bmp\n", name.c_str(),
                    name.c_str(), name.c_str());
    }
    return agreement;
}

// The passenger at its natural size, 79 x 125 pixels. Windows maps its window
// onto the picture exactly; Wine holds the mapping in single-precision
// floats, so a corner that falls exactly halfway between two pixels (here
// x = 40 and y = 63 of the 80 x 126 window) may round down under Wine where
// exact arithmetic rounds it up. The panel keeps the exact rounding; those
// corners move an edge by one pixel, which is all that still differs here.
TEST(PlayMetaFile, DrawsThePassengerAsThePanelDoes) {
    const Agreement agreement = drawBothWays(passengerBytes(), "passenger", 0.995);
    EXPECT_GE(agreement.share(), 0.99);
    EXPECT_GT(agreement.figurePixels, 4000) << "the figure is drawn at all";
}

// GDI objects made for one recording, deleted when the test ends.
class Objects {
public:
    ~Objects() {
        for (HGDIOBJ object : objects_) {
            DeleteObject(object);
        }
    }
    HGDIOBJ keep(HGDIOBJ object) {
        objects_.push_back(object);
        return object;
    }

private:
    std::vector<HGDIOBJ> objects_;
};

POINT inTwips(POINT pixel) {
    return {pixel.x * TwipsPerPixel, pixel.y * TwipsPerPixel};
}

// Corners in pixels, recorded in twips.
void polygon(HDC dc, std::initializer_list<POINT> pixels) {
    std::vector<POINT> twips;
    for (POINT p : pixels) {
        twips.push_back(inTwips(p));
    }
    Polygon(dc, twips.data(), int(twips.size()));
}

TEST(PlayMetaFile, FillsByEitherRuleWithoutItsRightAndBottomEdges) {
    Objects objects;
    const auto file = recordWithGdi(60, 40, [&](HDC dc) {
        SelectObject(dc, objects.keep(CreatePen(PS_NULL, 0, 0)));
        SelectObject(dc, objects.keep(CreateSolidBrush(RGB(200, 0, 0))));
        const auto star = [&](int x) {
            polygon(dc, {{x + 10, 1}, {x + 16, 19}, {x, 7}, {x + 20, 7}, {x + 4, 19}});
        };
        star(0);
        SetPolyFillMode(dc, WINDING);
        star(20);
        // Rings the same way and the other way round, joined at a corner.
        polygon(dc, {{41, 1},
                     {59, 1},
                     {59, 19},
                     {41, 19},
                     {41, 1},
                     {45, 5},
                     {55, 5},
                     {55, 15},
                     {45, 15},
                     {45, 5}});
        polygon(dc, {{41, 21},
                     {59, 21},
                     {59, 39},
                     {41, 39},
                     {41, 21},
                     {45, 25},
                     {45, 35},
                     {55, 35},
                     {55, 25},
                     {45, 25}});
        SetPolyFillMode(dc, ALTERNATE);
        // Triangles that share sides, in two colours.
        SelectObject(dc, objects.keep(CreateSolidBrush(RGB(0, 0, 200))));
        polygon(dc, {{1, 21}, {17, 21}, {17, 37}});
        polygon(dc, {{1, 21}, {9, 39}, {1, 39}});
        SelectObject(dc, objects.keep(CreateSolidBrush(RGB(0, 200, 0))));
        polygon(dc, {{1, 21}, {17, 37}, {9, 39}});
        // Two squares joined by a slanted bridge there and back, and a
        // triangle of zero height.
        polygon(dc, {{21, 22},
                     {25, 22},
                     {25, 26},
                     {21, 26},
                     {21, 22},
                     {33, 32},
                     {37, 32},
                     {37, 36},
                     {33, 36},
                     {33, 32},
                     {21, 22}});
        polygon(dc, {{22, 38}, {38, 38}, {30, 38}});
    });
    EXPECT_EQ(drawBothWays(file, "fill-rules").share(), 1.0);
}

TEST(PlayMetaFile, OutlinesWithAOnePixelPenInEveryDirection) {
    Objects objects;
    const auto file = recordWithGdi(64, 64, [&](HDC dc) {
        // A ring through the tips of a fan of spikes, then the spikes from
        // the middle, each there and back: lines of every octant whose steps
        // fall exactly halfway between two pixels, where GDI's choice shows.
        const POINT spikes[] = {{28, 6},    {26, 13},  {13, 26},  {6, 28},    {-6, 28},
                                {-13, 26},  {-26, 13}, {-28, 6},  {-28, -6},  {-26, -13},
                                {-13, -26}, {-6, -28}, {6, -28},  {13, -26},  {26, -13},
                                {28, -6},   {20, 20},  {-20, 20}, {-20, -20}, {20, -20}};
        std::vector<POINT> fan;
        std::vector<POINT> ring;
        for (POINT s : spikes) {
            fan.push_back(inTwips({32, 32}));
            fan.push_back(inTwips({32 + s.x, 32 + s.y}));
            ring.push_back(fan.back());
        }
        SelectObject(dc, objects.keep(CreateSolidBrush(RGB(255, 255, 0))));
        SelectObject(dc, objects.keep(CreatePen(PS_SOLID, 1, RGB(0, 160, 0))));
        Polygon(dc, ring.data(), int(ring.size()));
        SelectObject(dc, objects.keep(CreatePen(PS_SOLID, 1, RGB(0, 0, 160))));
        Polygon(dc, fan.data(), int(fan.size())); // no area: only the pen shows
        SelectObject(dc, objects.keep(CreatePen(PS_SOLID, 0, RGB(160, 0, 0))));
        polygon(dc, {{2, 60}, {13, 55}, {22, 61}, {9, 62}});
    });
    EXPECT_EQ(drawBothWays(file, "pen-outlines").share(), 1.0);
}

// The passenger's own window, 80 x 126 units on 79 x 125 pixels, with
// corners everywhere but on the two halfway lines.
TEST(PlayMetaFile, MapsTheWindowOntoThePictureAsGdiRounds) {
    Objects objects;
    std::vector<std::uint8_t> file = recordWithGdi(79, 125, [&](HDC dc) {
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowOrgEx(dc, 49, 604, nullptr);
        SetWindowExtEx(dc, 80, 126, nullptr);
        SelectObject(dc, objects.keep(CreatePen(PS_NULL, 0, 0)));
        SelectObject(dc, objects.keep(CreateSolidBrush(RGB(0, 120, 0))));
        std::vector<POINT> zigzag;
        for (int i = 0; i < 80; ++i) {
            const int x = 49 + i;
            const int y = 604 + (i * 37) % 126;
            if (i != 40 && y != 604 + 63) {
                zigzag.push_back({x, y});
            }
        }
        Polygon(dc, zigzag.data(), int(zigzag.size()));
    });
    // The recorder's frame is 79 x 125 pixels, as the passenger's come to.
    EXPECT_EQ(drawBothWays(file, "window-mapping").share(), 1.0);
}

} // namespace
