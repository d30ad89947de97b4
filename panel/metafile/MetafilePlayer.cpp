#include "MetafilePlayer.h"

#include "MetafileFormat.h"
#include "TwipsPerPixel.h"
#include "WholeDivision.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace metafile {

using controls::TwipsPerPixel;

namespace {

struct Brush {
    Rgb colour;
};

struct Pen {
    std::optional<Rgb> colour; // none: the null pen draws nothing
};

using GdiObject = std::variant<Brush, Pen>;

Rgb fromColourRef(std::uint32_t ref) { // 0x00BBGGRR
    return {static_cast<std::uint8_t>(ref), static_cast<std::uint8_t>(ref >> 8),
            static_cast<std::uint8_t>(ref >> 16)};
}

// n / d as GDI maps a point from the window to the device: to the nearest
// pixel, halves upwards. Far beyond any picture the panel draws, it is held
// back, which keeps the arithmetic of the scan converter small.
int toDevice(std::int64_t n, std::int64_t d) {
    constexpr std::int64_t Limit = 1 << 24;
    return static_cast<int>(std::clamp(roundDiv(n, d), -Limit, Limit));
}

// The part of a device context the known records change.
class PlaybackState {
public:
    PlaybackState(const Metafile& file, const Drawing& target)
        : frame_(file.frame)
        , widthPixels_(target.widthPixels)
        , heightPixels_(target.heightPixels)
        , objects_(static_cast<std::size_t>(file.objectSlots)) {
        // Until the file says otherwise its units are the frame's own.
        windowOrgX_ = frame_.left;
        windowOrgY_ = frame_.top;
        windowExtX_ = frame_.width();
        windowExtY_ = frame_.height();
    }

    void play(const MetafileRecord& record, Drawing& out);

private:
    void createObject(GdiObject object);
    std::optional<GdiObject>& objectAt(std::uint16_t index);
    void drawPolygon(ParamReader& params, Drawing& out) const;
    TwipPoint toTwips(int x, int y) const;
    PixelPoint toPixels(int x, int y) const;

    PlaceableFrame frame_;
    int widthPixels_, heightPixels_;
    int windowOrgX_, windowOrgY_, windowExtX_, windowExtY_;
    FillRule fillRule_ = FillRule::Alternate;
    Brush brush_{{255, 255, 255}};
    Pen pen_{Rgb{0, 0, 0}};
    std::vector<std::optional<GdiObject>> objects_; // by object index
};

Brush readBrush(ParamReader& params) {
    const std::uint16_t style = params.u16();
    const std::uint32_t colourRef = params.u32();
    if (style != wmf::BrushSolid) {
        throw MetafileError("only solid brushes are supported");
    }
    return {fromColourRef(colourRef)};
}

Pen readPen(ParamReader& params) {
    const std::uint16_t style = params.u16() & wmf::PenStyleMask;
    const int width = params.i16();
    params.i16(); // the height of the width point, unused
    const std::uint32_t colourRef = params.u32();
    if (style == wmf::PenNull) {
        return {};
    }
    if (style != wmf::PenSolid) {
        throw MetafileError("only solid and null pens are supported");
    }
    if (width < 0 || width > 1) {
        throw MetafileError("only pens of one pixel are supported, not " + std::to_string(width));
    }
    return {fromColourRef(colourRef)};
}

void PlaybackState::play(const MetafileRecord& record, Drawing& out) {
    ParamReader params(record);
    switch (record.function) {
    case wmf::SetMapMode:
        if (params.u16() != wmf::MapModeAnisotropic) {
            throw MetafileError("only the anisotropic mapping mode is supported");
        }
        return;
    case wmf::SetWindowOrg:
        windowOrgY_ = params.i16();
        windowOrgX_ = params.i16();
        return;
    case wmf::SetWindowExt:
        windowExtY_ = params.i16();
        windowExtX_ = params.i16();
        if (windowExtX_ == 0 || windowExtY_ == 0) {
            throw MetafileError("zero window extent");
        }
        return;
    case wmf::SetPolyFillMode: {
        const std::uint16_t mode = params.u16();
        if (mode != wmf::FillAlternate && mode != wmf::FillWinding) {
            throw MetafileError("unknown polygon fill mode " + std::to_string(mode));
        }
        fillRule_ = mode == wmf::FillAlternate ? FillRule::Alternate : FillRule::Winding;
        return;
    }
    case wmf::CreateBrushIndirect:
        createObject(readBrush(params));
        return;
    case wmf::CreatePenIndirect:
        createObject(readPen(params));
        return;
    case wmf::SelectObject: {
        const auto& object = objectAt(params.u16());
        if (!object) {
            throw MetafileError("selects an object that does not exist");
        }
        if (const auto* brush = std::get_if<Brush>(&*object)) {
            brush_ = *brush;
        } else {
            pen_ = std::get<Pen>(*object);
        }
        return;
    }
    case wmf::DeleteObject: {
        // Frees the place in the table; an object still selected stays in
        // use until another replaces it, as in a device context.
        auto& object = objectAt(params.u16());
        if (!object) {
            throw MetafileError("deletes an object that does not exist");
        }
        object.reset();
        return;
    }
    case wmf::Polygon:
        drawPolygon(params, out);
        return;
    default:
        throw MetafileError("unsupported record function " + std::to_string(record.function));
    }
}

// A new object takes the lowest free place in the object table.
void PlaybackState::createObject(GdiObject object) {
    for (auto& slot : objects_) {
        if (!slot) {
            slot = object;
            return;
        }
    }
    throw MetafileError("more objects than the header declares");
}

std::optional<GdiObject>& PlaybackState::objectAt(std::uint16_t index) {
    if (index >= objects_.size()) {
        throw MetafileError("object index " + std::to_string(index) + " out of range");
    }
    return objects_[index];
}

void PlaybackState::drawPolygon(ParamReader& params, Drawing& out) const {
    const std::uint16_t count = params.u16();
    if (params.wordsLeft() < std::size_t{count} * 2) {
        throw MetafileError("polygon has fewer points than it counts");
    }
    FilledPolygon polygon{brush_.colour, pen_.colour, fillRule_, {}, {}};
    polygon.points.reserve(count);
    polygon.pixels.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int x = params.i16();
        const int y = params.i16();
        polygon.points.push_back(toTwips(x, y));
        polygon.pixels.push_back(toPixels(x, y));
    }
    out.polygons.push_back(std::move(polygon));
}

// The window (logical units) maps onto the frame, whose units become twips.
TwipPoint PlaybackState::toTwips(int x, int y) const {
    const double twipsPerUnit = 1440.0 / frame_.unitsPerInch;
    return {(x - windowOrgX_) * double(frame_.width()) / windowExtX_ * twipsPerUnit,
            (y - windowOrgY_) * double(frame_.height()) / windowExtY_ * twipsPerUnit};
}

// The window maps onto the whole picture at its natural size, the viewport
// a program sets to show a placeable metafile there.
PixelPoint PlaybackState::toPixels(int x, int y) const {
    return {toDevice(std::int64_t{x - windowOrgX_} * widthPixels_, windowExtX_),
            toDevice(std::int64_t{y - windowOrgY_} * heightPixels_, windowExtY_)};
}

} // namespace

Drawing playMetafile(const Metafile& file) {
    const double twipsPerUnit = 1440.0 / file.frame.unitsPerInch;
    Drawing drawing;
    drawing.widthTwips = file.frame.width() * twipsPerUnit;
    drawing.heightTwips = file.frame.height() * twipsPerUnit;
    drawing.widthPixels = static_cast<int>(std::lround(drawing.widthTwips / TwipsPerPixel));
    drawing.heightPixels = static_cast<int>(std::lround(drawing.heightTwips / TwipsPerPixel));
    PlaybackState state(file, drawing);
    for (const auto& record : file.records) {
        state.play(record, drawing);
    }
    return drawing;
}

Drawing playMetafile(std::span<const std::uint8_t> bytes) {
    return playMetafile(readMetafile(bytes));
}

} // namespace metafile
