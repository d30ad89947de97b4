#include "ArtFiles.h"
#include "DrawingRaster.h"
#include "MetafileFormat.h"
#include "MetafilePlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace metafile;

namespace {

constexpr int OriginX = 49;
constexpr int OriginY = 604;

TEST(PassengerFile, HasAPlaceableHeaderForItsFrame) {
    const auto wmf = artBytes("passenger.wmf");
    ASSERT_GE(wmf.size(), 22u);
    EXPECT_EQ(le32(wmf, 0), 0x9AC6CDD7u);
    EXPECT_EQ(le16(wmf, 6), 0u);
    EXPECT_EQ(le16(wmf, 8), 0u);
    EXPECT_EQ(le16(wmf, 10), 1188u);
    EXPECT_EQ(le16(wmf, 12), 1875u);
    EXPECT_EQ(le16(wmf, 14), 1440u) << "units per inch";
    std::uint32_t checksum = 0;
    for (std::size_t at = 0; at < 20; at += 2) {
        checksum ^= le16(wmf, at);
    }
    EXPECT_EQ(le16(wmf, 20), checksum);
}

// The colours of the figure and where the table places each, in drawing units.
struct Extent {
    QRgb colour;
    int left, right, top, bottom;
};
const Extent Extents[] = {
    {0x000000, 0, 77, 0, 123},  {0xB57F49, 29, 57, 1, 25},  {0xF2D8CC, 8, 78, 14, 114},
    {0xFF6600, 13, 55, 35, 93}, {0xCC6633, 1, 17, 65, 99},  {0xFF6633, 22, 59, 109, 122},
    {0x6666FF, 60, 70, 23, 36}, {0x0000FF, 42, 72, 43, 55}, {0x669966, 54, 67, 52, 61},
    {0x6699FF, 37, 58, 58, 77}, {0x197A3D, 73, 76, 73, 89},
};

TEST(PassengerFile, IsSolidPolygonsInTheirPlacesOnAnAnisotropicWindow) {
    const auto bytes = artBytes("passenger.wmf");
    const Metafile file = readMetafile(bytes);
    std::set<QRgb> brushes;
    QRgb brush = 0xFFFFFFFF;
    bool mapped = false;
    bool nullPen = false;
    int polygons = 0;
    // What each place of the object table holds, and which are selected.
    std::vector<int> table(file.objectSlots, -1); // -1 free, 0 pen, 1 brush
    int selectedPen = -1;
    int selectedBrush = -1;
    long peakObjects = 0;
    for (const auto& record : file.records) {
        peakObjects = std::max(peakObjects, long(std::count_if(table.begin(), table.end(),
                                                               [](int t) { return t != -1; })));
        ParamReader params(record);
        switch (record.function) {
        case wmf::SetMapMode:
            EXPECT_EQ(params.u16(), wmf::MapModeAnisotropic);
            break;
        case wmf::SetWindowOrg:
            EXPECT_EQ(params.i16(), OriginY);
            EXPECT_EQ(params.i16(), OriginX);
            mapped = true;
            break;
        case wmf::SetWindowExt:
            EXPECT_EQ(params.i16(), 126);
            EXPECT_EQ(params.i16(), 80);
            break;
        case wmf::SetPolyFillMode:
            EXPECT_EQ(params.u16(), wmf::FillAlternate);
            break;
        case wmf::CreateBrushIndirect: {
            EXPECT_EQ(params.u16(), wmf::BrushSolid);
            const std::uint32_t ref = params.u32();
            brush = qRgb(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF) & 0xFFFFFF;
            brushes.insert(brush);
            const auto slot = std::find(table.begin(), table.end(), -1);
            ASSERT_NE(slot, table.end()) << "more objects than the header declares";
            *slot = 1;
            break;
        }
        case wmf::CreatePenIndirect: {
            EXPECT_EQ(params.u16(), wmf::PenNull);
            const auto slot = std::find(table.begin(), table.end(), -1);
            ASSERT_NE(slot, table.end()) << "more objects than the header declares";
            *slot = 0;
            break;
        }
        case wmf::SelectObject: {
            const int slot = params.u16();
            ASSERT_LT(slot, int(table.size()));
            ASSERT_NE(table[slot], -1) << "selects nothing";
            (table[slot] == 0 ? selectedPen : selectedBrush) = slot;
            nullPen = nullPen || table[slot] == 0;
            break;
        }
        case wmf::DeleteObject: {
            const int slot = params.u16();
            ASSERT_LT(slot, int(table.size()));
            EXPECT_NE(slot, selectedPen) << "deletes the selected pen";
            EXPECT_NE(slot, selectedBrush) << "deletes the selected brush";
            table[slot] = -1;
            break;
        }
        case wmf::Polygon: {
            ASSERT_TRUE(mapped) << "drawn before the window is set";
            ASSERT_TRUE(nullPen) << "drawn with an outline";
            EXPECT_EQ(polygons++ == 0, brush == 0) << "the black silhouette comes first, alone";
            const auto extent = std::find_if(std::begin(Extents), std::end(Extents),
                                             [&](const Extent& e) { return e.colour == brush; });
            ASSERT_NE(extent, std::end(Extents));
            for (int n = params.u16(); n > 0; --n) {
                const int x = params.i16() - OriginX;
                const int y = params.i16() - OriginY;
                EXPECT_TRUE(x >= extent->left && x <= extent->right && y >= extent->top &&
                            y <= extent->bottom)
                    << std::hex << brush << std::dec << " at " << x << "," << y;
            }
            break;
        }
        default:
            ADD_FAILURE() << "unexpected record " << record.function;
        }
    }
    EXPECT_EQ(brushes.size(), std::size(Extents)) << "eleven solid colours";
    EXPECT_EQ(peakObjects, file.objectSlots) << "the header declares the places the file uses";
}

TEST(PassengerFile, PaintsEveryColourOnTheSilhouette) {
    const Drawing drawing = playMetafile(artBytes("passenger.wmf"));
    const QImage figure = rasteriseDrawing(drawing);
    ASSERT_EQ(figure.size(), QSize(79, 125));
    Drawing silhouette = drawing;
    silhouette.polygons.resize(1);
    const QImage outline = rasteriseDrawing(silhouette);

    std::set<QRgb> seen;
    for (int y = 0; y < figure.height(); ++y) {
        for (int x = 0; x < figure.width(); ++x) {
            const QRgb p = figure.pixel(x, y);
            if (qAlpha(p) != 0) {
                seen.insert(p & 0xFFFFFF);
                EXPECT_NE(qAlpha(outline.pixel(x, y)), 0) << x << "," << y << " off the silhouette";
            }
        }
    }
    EXPECT_EQ(seen.size(), std::size(Extents));
    EXPECT_EQ(rasteriseDrawing(drawing, 2.0).size(), QSize(158, 250));
}

} // namespace
