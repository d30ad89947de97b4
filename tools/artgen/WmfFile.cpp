#include "WmfFile.h"

#include "ByteWriter.h"
#include "MetafileFormat.h"
#include "MetafileReader.h" // placeableChecksum

#include <algorithm>
#include <optional>

using namespace metafile;

namespace {

// Collects the records, and what the metafile header must say about them.
class RecordList {
public:
    void add(wmf::Function function, const std::vector<int>& words) {
        const auto recordWords = static_cast<std::uint32_t>(wmf::RecordHeaderWords + words.size());
        body_.u32(recordWords);
        body_.u16(function);
        for (int w : words) {
            body_.i16(w);
        }
        totalWords_ += recordWords;
        largestWords_ = std::max(largestWords_, recordWords);
    }

    std::vector<std::uint8_t>& bytes() { return body_.bytes(); }
    std::uint32_t totalWords() const { return totalWords_; }
    std::uint32_t largestWords() const { return largestWords_; }

private:
    ByteWriter body_;
    std::uint32_t totalWords_ = 0;
    std::uint32_t largestWords_ = 0;
};

// Places in the player's object table: a new object takes the lowest free
// one, as the player assigns them.
class ObjectTable {
public:
    int create() {
        const auto free = std::find(used_.begin(), used_.end(), false);
        const auto at = static_cast<int>(free - used_.begin());
        if (free == used_.end()) {
            used_.push_back(true);
        } else {
            *free = true;
        }
        return at;
    }
    void free(int at) { used_[static_cast<std::size_t>(at)] = false; }
    std::size_t tableSize() const { return used_.size(); }

private:
    std::vector<bool> used_;
};

// A null pen's parameters: style, width as a point, colour in two words.
std::vector<int> nullPen() {
    return {wmf::PenNull, 0, 0, 0, 0};
}

// A solid brush's parameters: style, colour as 0x00BBGGRR in two words, hatch.
std::vector<int> solidBrush(const Rgb& c) {
    const std::uint32_t ref = c.red | (c.green << 8) | (static_cast<std::uint32_t>(c.blue) << 16);
    return {wmf::BrushSolid, static_cast<int>(ref & 0xFFFF), static_cast<int>(ref >> 16), 0};
}

// A polygon's parameters: the point count, then x and y of each point.
std::vector<int> polygonWords(const std::vector<UnitPoint>& points, int shiftX, int shiftY) {
    std::vector<int> words{static_cast<int>(points.size())};
    for (const auto& p : points) {
        words.push_back(p.x + shiftX);
        words.push_back(p.y + shiftY);
    }
    return words;
}

} // namespace

std::vector<UnitPoint> joinRings(const std::vector<Ring>& rings) {
    std::vector<UnitPoint> points;
    for (std::size_t i = 0; i < rings.size(); ++i) {
        points.insert(points.end(), rings[i].begin(), rings[i].end());
        points.push_back(rings[i].front());
        if (i > 0) {
            points.push_back(rings.front().front());
        }
    }
    return points;
}

std::vector<std::uint8_t> encodePlaceableMetafile(const VectorArt& art) {
    RecordList records;
    records.add(wmf::SetMapMode, {wmf::MapModeAnisotropic});
    records.add(wmf::SetWindowOrg, {art.originY, art.originX});
    records.add(wmf::SetWindowExt, {art.extentY, art.extentX});
    records.add(wmf::SetPolyFillMode, {wmf::FillAlternate});

    // No outline: a null pen, selected before anything is drawn.
    ObjectTable objects;
    records.add(wmf::CreatePenIndirect, nullPen());
    records.add(wmf::SelectObject, {objects.create()});

    // One brush is selected at a time: a new colour is created and selected,
    // then the brush it replaced, no longer selected, is deleted. The last
    // brush and the pen stay selected to the end; the player frees them.
    std::optional<Rgb> brush;
    int brushSlot = -1;
    for (const FigurePart& part : art.parts) {
        if (brush != part.colour) {
            records.add(wmf::CreateBrushIndirect, solidBrush(part.colour));
            const int created = objects.create();
            records.add(wmf::SelectObject, {created});
            if (brush) {
                records.add(wmf::DeleteObject, {brushSlot});
                objects.free(brushSlot);
            }
            brush = part.colour;
            brushSlot = created;
        }
        records.add(wmf::Polygon, polygonWords(joinRings(part.rings), art.originX, art.originY));
    }
    records.add(wmf::EndOfFile, {});

    ByteWriter out;
    out.u32(wmf::PlaceableKey);
    out.u16(0); // handle, unused in a file
    out.i16(0);
    out.i16(0);
    out.i16(art.frameWidth);
    out.i16(art.frameHeight);
    out.u16(1440); // twips
    out.u32(0);    // reserved
    out.u16(placeableChecksum(std::span<const std::uint8_t, 20>(out.bytes().data(), 20)));

    out.u16(wmf::MemoryMetafile);
    out.u16(wmf::MetaHeaderWords);
    out.u16(wmf::MetaVersion3);
    out.u32(wmf::MetaHeaderWords + records.totalWords());
    out.u16(static_cast<std::uint16_t>(objects.tableSize())); // places the records use
    out.u32(records.largestWords());
    out.u16(0); // unused

    auto& bytes = out.bytes();
    bytes.insert(bytes.end(), records.bytes().begin(), records.bytes().end());
    return std::move(bytes);
}
