#include "MetafilePlayer.h"

#include "MetafileFormat.h"

#include <optional>
#include <string>
#include <vector>

namespace {

// The part of a device context the known records change.
class PlaybackState {
public:
    explicit PlaybackState(const Metafile& file)
        : frame_(file.frame)
        , objects_(static_cast<std::size_t>(file.objectSlots)) {
        // Until the file says otherwise its units are the frame's own.
        windowOrgX_ = frame_.left;
        windowOrgY_ = frame_.top;
        windowExtX_ = frame_.width();
        windowExtY_ = frame_.height();
    }

    void play(const MetafileRecord& record, Drawing& out);

private:
    void createBrush(ParamReader& params);
    std::optional<Rgb>& objectAt(std::uint16_t index);
    TwipPoint toTwips(int x, int y) const;

    PlaceableFrame frame_;
    int windowOrgX_, windowOrgY_, windowExtX_, windowExtY_;
    FillRule fillRule_ = FillRule::Alternate;
    Rgb brush_{255, 255, 255};                // a new device context paints with a white brush
    std::vector<std::optional<Rgb>> objects_; // brushes by object index
};

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
        createBrush(params);
        return;
    case wmf::SelectObject: {
        const auto& brush = objectAt(params.u16());
        if (!brush) {
            throw MetafileError("selects an object that does not exist");
        }
        brush_ = *brush;
        return;
    }
    case wmf::DeleteObject: {
        auto& brush = objectAt(params.u16());
        if (!brush) {
            throw MetafileError("deletes an object that does not exist");
        }
        brush.reset();
        return;
    }
    case wmf::Polygon: {
        const std::uint16_t count = params.u16();
        if (params.wordsLeft() < std::size_t{count} * 2) {
            throw MetafileError("polygon has fewer points than it counts");
        }
        FilledPolygon polygon{brush_, fillRule_, {}};
        polygon.points.reserve(count);
        for (int i = 0; i < count; ++i) {
            const int x = params.i16();
            polygon.points.push_back(toTwips(x, params.i16()));
        }
        out.polygons.push_back(std::move(polygon));
        return;
    }
    default:
        throw MetafileError("unsupported record function " + std::to_string(record.function));
    }
}

void PlaybackState::createBrush(ParamReader& params) {
    const std::uint16_t style = params.u16();
    const std::uint32_t colourRef = params.u32(); // 0x00BBGGRR
    if (style != wmf::BrushSolid) {
        throw MetafileError("only solid brushes are supported");
    }
    const Rgb colour{static_cast<std::uint8_t>(colourRef),
                     static_cast<std::uint8_t>(colourRef >> 8),
                     static_cast<std::uint8_t>(colourRef >> 16)};
    // A new object takes the lowest free place in the object table.
    for (auto& slot : objects_) {
        if (!slot) {
            slot = colour;
            return;
        }
    }
    throw MetafileError("more objects than the header declares");
}

std::optional<Rgb>& PlaybackState::objectAt(std::uint16_t index) {
    if (index >= objects_.size()) {
        throw MetafileError("object index " + std::to_string(index) + " out of range");
    }
    return objects_[index];
}

// The window (logical units) maps onto the frame, whose units become twips.
TwipPoint PlaybackState::toTwips(int x, int y) const {
    const double twipsPerUnit = 1440.0 / frame_.unitsPerInch;
    return {(x - windowOrgX_) * double(frame_.width()) / windowExtX_ * twipsPerUnit,
            (y - windowOrgY_) * double(frame_.height()) / windowExtY_ * twipsPerUnit};
}

} // namespace

Drawing playMetafile(const Metafile& file) {
    const double twipsPerUnit = 1440.0 / file.frame.unitsPerInch;
    Drawing drawing{file.frame.width() * twipsPerUnit, file.frame.height() * twipsPerUnit, {}};
    PlaybackState state(file);
    for (const auto& record : file.records) {
        state.play(record, drawing);
    }
    return drawing;
}

Drawing playMetafile(std::span<const std::uint8_t> bytes) {
    return playMetafile(readMetafile(bytes));
}
