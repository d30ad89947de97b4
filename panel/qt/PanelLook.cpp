#include "PanelLook.h"

#include "WindowFont.h"

using namespace layout;

PanelLook::PanelLook(qreal devicePixelRatio, const SystemColours& colours)
    : colours_(colours)
    , font_(windowFont(devicePixelRatio))
    , layoutFont_(windowFont())
    , placesWords_(font_ != layoutFont_) {}

bool PanelLook::operator==(const PanelLook& other) const {
    return colours_ == other.colours_ && font_ == other.font_;
}
