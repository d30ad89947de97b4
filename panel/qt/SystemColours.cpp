#include "SystemColours.h"

#include <algorithm>
#include <charconv>

using namespace layout;

namespace {

QColor blend(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

QColor systemColour(int index, const QPalette& palette) {
    switch (index) {
    case 0:
        return blend(palette.color(QPalette::Button), palette.color(QPalette::Mid));
    case 5:
        return palette.color(QPalette::Base);
    case 8:
        return palette.color(QPalette::Text);
    case 15:
        return palette.color(QPalette::Button);
    case 18:
        return palette.color(QPalette::ButtonText);
    default:
        return palette.color(QPalette::Window);
    }
}

std::optional<QColor> parseRgb(std::string_view hex) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    if (hex.size() != 6 || error != std::errc() || end != hex.data() + hex.size()) {
        return std::nullopt;
    }
    return QColor::fromRgb(QRgb(value));
}

} // namespace

SystemColours SystemColours::fromPalette(const QPalette& palette) {
    SystemColours set;
    std::transform(Indexes.begin(), Indexes.end(), set.colours_.begin(),
                   [&palette](int index) { return systemColour(index, palette); });
    return set;
}

std::optional<SystemColours> SystemColours::parse(std::string_view text) {
    SystemColours set;
    for (std::size_t i = 0; i < Indexes.size(); ++i) {
        const std::size_t comma = std::min(text.find(','), text.size());
        const std::optional<QColor> colour = parseRgb(text.substr(0, comma));
        const bool last = i + 1 == Indexes.size();
        if (!colour || (comma == text.size()) != last) {
            return std::nullopt;
        }
        set.colours_[i] = *colour;
        text.remove_prefix(last ? comma : comma + 1);
    }
    return set;
}

QColor SystemColours::toQColor(Colour colour) const {
    if (!isSystemColour(colour)) {
        return QColor(redOf(colour), greenOf(colour), blueOf(colour));
    }
    const auto at = std::find(Indexes.begin(), Indexes.end(), systemColourIndex(colour));
    // The design uses no other entry; the window background stands in for any.
    return colours_[std::size_t(at == Indexes.end() ? 1 : at - Indexes.begin())];
}
