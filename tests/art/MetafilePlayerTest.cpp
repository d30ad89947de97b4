#include "MetafilePlayer.h"
#include "DrawingRaster.h"
#include "MetafileBuilder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace metafile;

namespace {

std::vector<std::pair<double, double>> pointsOf(const FilledPolygon& polygon) {
    std::vector<std::pair<double, double>> out;
    for (const auto& p : polygon.points) {
        out.emplace_back(p.x, p.y);
    }
    return out;
}

TEST(MetafilePlayer, MapsTheWindowOntoTheFrameInTwips) {
    MetafileBuilder file;
    file.right = 720; // one inch by half an inch at 720 units per inch
    file.bottom = 360;
    file.unitsPerInch = 720;
    file.add(wmf::Polygon, polygonWords({{0, 0}, {720, 360}})) // the frame's own units
        .add(wmf::SetMapMode, {wmf::MapModeAnisotropic})
        .add(wmf::SetWindowOrg, {20, 10}) // y first, then x
        .add(wmf::SetWindowExt, {50, 100})
        .add(wmf::Polygon, polygonWords({{10, 20}, {110, 20}, {110, 70}, {60, 45}}));

    const Drawing drawing = playMetafile(file.build());
    EXPECT_EQ(drawing.widthTwips, 1440);
    EXPECT_EQ(drawing.heightTwips, 720);
    ASSERT_EQ(drawing.polygons.size(), 2u);
    using P = std::vector<std::pair<double, double>>;
    EXPECT_EQ(pointsOf(drawing.polygons[0]), (P{{0, 0}, {1440, 720}}));
    EXPECT_EQ(pointsOf(drawing.polygons[1]), (P{{0, 0}, {1440, 0}, {1440, 720}, {720, 360}}));
    EXPECT_EQ(drawing.widthPixels, 96);
    EXPECT_EQ(drawing.heightPixels, 48);
    using Px = std::vector<PixelPoint>;
    EXPECT_EQ(drawing.polygons[1].pixels, (Px{{0, 0}, {96, 0}, {96, 48}, {48, 24}}));
}

// The window maps onto the picture's natural size and every corner lands on
// the nearest pixel, a corner exactly halfway on the one below or right of it.
TEST(MetafilePlayer, PlacesCornersOnTheNearestPixelOfTheNaturalSize) {
    MetafileBuilder file;
    file.right = 1188; // 79.2 pixels: the picture is 79 across
    file.bottom = 1875;
    file.add(wmf::SetMapMode, {wmf::MapModeAnisotropic})
        .add(wmf::SetWindowOrg, {604, 49})
        .add(wmf::SetWindowExt, {126, 80})
        .add(wmf::Polygon, polygonWords({{49, 604}, {89, 667}, {129, 730}, {50, 605}, {48, 603}}));
    const Drawing drawing = playMetafile(file.build());
    EXPECT_EQ(drawing.widthPixels, 79);
    EXPECT_EQ(drawing.heightPixels, 125);
    using Px = std::vector<PixelPoint>;
    // 40 * 79 / 80 = 39.5 and 63 * 125 / 126 = 62.5; 1 * 79 / 80 = 0.99.
    EXPECT_EQ(drawing.polygons.at(0).pixels, (Px{{0, 0}, {40, 63}, {79, 125}, {1, 1}, {-1, -1}}));

    MetafileBuilder upsideDown; // a negative extent turns the picture over
    upsideDown.add(wmf::SetWindowOrg, {96, 0})
        .add(wmf::SetWindowExt, {-96, 96})
        .add(wmf::Polygon, polygonWords({{0, 96}, {48, 0}}));
    EXPECT_EQ(playMetafile(upsideDown.build()).polygons.at(0).pixels, (Px{{0, 0}, {48, 96}}));
}

TEST(MetafilePlayer, FillsWithTheSelectedBrushAndFillRule) {
    const auto triangle = polygonWords({{0, 0}, {10, 0}, {0, 10}});
    MetafileBuilder file;
    file.add(wmf::Polygon, triangle)                              // a fresh context's white brush
        .add(wmf::CreateBrushIndirect, solidBrushWords(0xFF0000)) // slot 0
        .add(wmf::CreateBrushIndirect, solidBrushWords(0x0000FF)) // slot 1
        .add(wmf::SelectObject, {1})
        .add(wmf::DeleteObject, {0})
        .add(wmf::CreateBrushIndirect, solidBrushWords(0x00FF00)) // the freed slot 0
        .add(wmf::Polygon, triangle)
        .add(wmf::SelectObject, {0})
        .add(wmf::SetPolyFillMode, {wmf::FillWinding})
        .add(wmf::Polygon, triangle);

    const Drawing drawing = playMetafile(file.build());
    ASSERT_EQ(drawing.polygons.size(), 3u);
    EXPECT_EQ(drawing.polygons[0].colour, (Rgb{255, 255, 255}));
    EXPECT_EQ(drawing.polygons[0].rule, FillRule::Alternate);
    EXPECT_EQ(drawing.polygons[1].colour, (Rgb{0, 0, 255}));
    EXPECT_EQ(drawing.polygons[2].colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(drawing.polygons[2].rule, FillRule::Winding);
}

// Parameters of a pen record: style, width, colour as 0xBBGGRR.
std::vector<int> penWords(int style, int width, int bgr = 0) {
    return {style, width, 0, bgr & 0xFFFF, bgr >> 16};
}

TEST(MetafilePlayer, OutlinesWithTheSelectedPen) {
    const auto triangle = polygonWords({{0, 0}, {10, 0}, {0, 10}});
    MetafileBuilder file;
    file.objectSlots = 3;
    file.add(wmf::Polygon, triangle)                              // a fresh context's black pen
        .add(wmf::CreatePenIndirect, penWords(wmf::PenNull, 0))   // slot 0
        .add(wmf::CreateBrushIndirect, solidBrushWords(0x00FF00)) // slot 1
        .add(wmf::CreatePenIndirect, penWords(wmf::PenSolid, 1, 0xFF)) // slot 2, red
        .add(wmf::SelectObject, {0})
        .add(wmf::Polygon, triangle)
        .add(wmf::SelectObject, {2})
        .add(wmf::SelectObject, {1}) // a brush leaves the pen as it is
        .add(wmf::Polygon, triangle)
        .add(wmf::DeleteObject, {0})
        .add(wmf::CreatePenIndirect, penWords(0x0200 | wmf::PenSolid, 0, 0xFF0000)) // flat ends
        .add(wmf::SelectObject, {0})
        .add(wmf::Polygon, triangle);

    const Drawing drawing = playMetafile(file.build());
    ASSERT_EQ(drawing.polygons.size(), 4u);
    EXPECT_EQ(drawing.polygons[0].outline, (Rgb{0, 0, 0}));
    EXPECT_EQ(drawing.polygons[1].outline, std::nullopt) << "the null pen draws no outline";
    EXPECT_EQ(drawing.polygons[2].outline, (Rgb{255, 0, 0}));
    EXPECT_EQ(drawing.polygons[2].colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(drawing.polygons[3].outline, (Rgb{0, 0, 255}));
}

// A 20 x 20 pixel square with a square hole, both rings drawn the same way
// round and joined at a corner, filled without an outline.
Drawing squareWithHole(FillRule rule) {
    MetafileBuilder file;
    file.right = 300;
    file.bottom = 300;
    file.objectSlots = 2;
    file.add(wmf::CreatePenIndirect, penWords(wmf::PenNull, 0))
        .add(wmf::SelectObject, {0})
        .add(wmf::CreateBrushIndirect, solidBrushWords(0xC80000))
        .add(wmf::SelectObject, {1})
        .add(wmf::SetPolyFillMode,
             {rule == FillRule::Alternate ? wmf::FillAlternate : wmf::FillWinding})
        .add(wmf::Polygon, polygonWords({{0, 0},
                                         {300, 0},
                                         {300, 300},
                                         {0, 300},
                                         {0, 0},
                                         {75, 75},
                                         {225, 75},
                                         {225, 225},
                                         {75, 225},
                                         {75, 75}}));
    return playMetafile(file.build());
}

TEST(DrawingRaster, FillsWithoutAntiAliasingByTheFillRule) {
    const QImage alternate = rasteriseDrawing(squareWithHole(FillRule::Alternate));
    ASSERT_EQ(alternate.size(), QSize(20, 20));
    EXPECT_EQ(alternate.pixel(10, 10), 0u) << "the inner ring is a hole";
    EXPECT_EQ(alternate.pixel(2, 10), qRgb(200, 0, 0));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QRgb p = alternate.pixel(x, y);
            EXPECT_TRUE(p == 0 || p == qRgb(200, 0, 0)) << x << "," << y << ": no blended edge";
        }
    }
    EXPECT_EQ(rasteriseDrawing(squareWithHole(FillRule::Winding)).pixel(10, 10), qRgb(200, 0, 0));

    const QImage sharp = rasteriseDrawing(squareWithHole(FillRule::Alternate), 2.0);
    EXPECT_EQ(sharp.size(), QSize(40, 40));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.pixel(9, 9), qRgb(200, 0, 0)) << "the hole's edge falls between pixels";
    EXPECT_EQ(sharp.pixel(10, 10), 0u);
}

TEST(DrawingRaster, DrawsTheOutlineAtEveryRatio) {
    MetafileBuilder file; // a fresh context's black pen round a white square
    file.right = 300;
    file.bottom = 300;
    file.add(wmf::Polygon, polygonWords({{0, 0}, {150, 0}, {150, 150}, {0, 150}}));
    const Drawing drawing = playMetafile(file.build());
    const QImage plain = rasteriseDrawing(drawing);
    EXPECT_EQ(plain.pixel(0, 5), qRgb(0, 0, 0));
    EXPECT_EQ(plain.pixel(10, 5), qRgb(0, 0, 0)) << "the pen sets the right edge the fill leaves";
    EXPECT_EQ(plain.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(plain.pixel(11, 5), 0u);
    const QImage sharp = rasteriseDrawing(drawing, 2.0);
    EXPECT_EQ(sharp.pixel(0, 10), qRgb(0, 0, 0));
    EXPECT_EQ(sharp.pixel(10, 10), qRgb(255, 255, 255));
}

// Each case spoils a small valid metafile in one way.
struct Spoiled {
    const char* what;
    std::function<void(MetafileBuilder&)> spoil;
    std::function<void(std::vector<std::uint8_t>&)> spoilBytes = {};
};

MetafileBuilder validFile() {
    MetafileBuilder file;
    file.add(wmf::SetMapMode, {wmf::MapModeAnisotropic})
        .add(wmf::SetWindowExt, {10, 10})
        .add(wmf::CreateBrushIndirect, solidBrushWords(0x123456))
        .add(wmf::SelectObject, {0})
        .add(wmf::Polygon, polygonWords({{0, 0}, {5, 0}, {0, 5}}));
    return file;
}

const Spoiled SpoiledFiles[] = {
    {"not placeable",
     {},
     [](auto& b) {
         b[0] ^= 1;
     }},
    {"checksum off",
     {},
     [](auto& b) {
         b[20] ^= 1;
     }},
    {"empty frame",
     [](auto& f) {
         f.right = 0;
     }},
    {"zero units per inch",
     [](auto& f) {
         f.unitsPerInch = 0;
     }},
    {"no end record",
     [](auto& f) {
         f.endRecord = false;
     }},
    {"size beyond the data",
     {},
     [](auto& b) {
         b[22 + 6] += 1;
     }},
    {"record of size zero",
     {},
     [](auto& b) {
         b[22 + 18] = 0;
     }},
    {"record past the end",
     {},
     [](auto& b) {
         b[22 + 18] = 0xFF;
     }},
    {"polygon counts more points than it has",
     [](auto& f) {
         f.add(wmf::Polygon, {4, 0, 0, 1, 1});
     }},
    {"parameters missing",
     [](auto& f) {
         f.add(wmf::SetWindowOrg, {});
     }},
    {"selects an empty slot",
     [](auto& f) {
         f.add(wmf::SelectObject, {1});
     }},
    {"deletes a slot past the table",
     [](auto& f) {
         f.add(wmf::DeleteObject, {7});
     }},
    {"more brushes than slots",
     [](auto& f) {
         f.add(wmf::CreateBrushIndirect, solidBrushWords(0))
             .add(wmf::CreateBrushIndirect, solidBrushWords(0));
     }},
    {"zero window extent",
     [](auto& f) {
         f.add(wmf::SetWindowExt, {0, 10});
     }},
    {"other mapping mode",
     [](auto& f) {
         f.add(wmf::SetMapMode, {1});
     }},
    {"unknown fill mode",
     [](auto& f) {
         f.add(wmf::SetPolyFillMode, {3});
     }},
    {"hatched brush",
     [](auto& f) {
         f.add(wmf::CreateBrushIndirect, {2, 0, 0, 0});
     }},
    {"dashed pen",
     [](auto& f) {
         f.add(wmf::CreatePenIndirect, penWords(1, 1));
     }},
    {"pen wider than a pixel",
     [](auto& f) {
         f.add(wmf::CreatePenIndirect, penWords(wmf::PenSolid, 2));
     }},
    {"pen of negative width",
     [](auto& f) {
         f.add(wmf::CreatePenIndirect, penWords(wmf::PenSolid, -1));
     }},
    {"pen without its colour",
     [](auto& f) {
         f.add(wmf::CreatePenIndirect, {wmf::PenSolid, 1, 0});
     }},
    {"more pens than slots",
     [](auto& f) {
         f.add(wmf::CreatePenIndirect, penWords(wmf::PenNull, 0))
             .add(wmf::CreatePenIndirect, penWords(wmf::PenNull, 0));
     }},
    {"selects a deleted pen",
     [](auto& f) {
         f.add(wmf::CreatePenIndirect, penWords(wmf::PenNull, 0))
             .add(wmf::DeleteObject, {1})
             .add(wmf::SelectObject, {1});
     }},
    {"unknown record",
     [](auto& f) {
         f.add(0x0418, {0, 0, 10, 10});
     }}, // an ellipse
};

TEST(MetafilePlayer, RejectsMalformedInput) {
    ASSERT_NO_THROW(playMetafile(validFile().build()));
    for (const Spoiled& c : SpoiledFiles) {
        MetafileBuilder file = validFile();
        if (c.spoil) {
            c.spoil(file);
        }
        auto bytes = file.build();
        if (c.spoilBytes) {
            c.spoilBytes(bytes);
        }
        EXPECT_THROW(playMetafile(bytes), MetafileError) << c.what;
    }
}

TEST(MetafilePlayer, RejectsEveryTruncation) {
    const auto bytes = validFile().build();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::span<const std::uint8_t> cut(bytes.data(), length);
        EXPECT_THROW(playMetafile(cut), MetafileError) << length << " bytes";
    }
}

} // namespace
