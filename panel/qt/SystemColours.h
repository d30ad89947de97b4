#pragma once

#include "Colour.h"

#include <QColor>
#include <QPalette>

#include <array>
#include <optional>
#include <string_view>

// The entries of the system's colour table that the panel uses: 0 scroll bar,
// 5 window background, 8 window text, 15 button face, 18 button text.
class SystemColours {
public:
    static constexpr std::array<int, 5> Indexes{0, 5, 8, 15, 18};

    // From the palette: 5 as Base, 8 as Text, 15 as Button, 18 as ButtonText, and 0, the
    // scroll bar, as the shade halfway between Button and Mid: Qt has no
    // scroll-bar role, and this keeps the classic look of a face a step darker
    // than an ordinary button.
    static SystemColours fromPalette(const QPalette& palette);

    // Five colours "RRGGBB,RRGGBB,RRGGBB,RRGGBB,RRGGBB" in the order of
    // `Indexes`, as another platform reports them; nothing if the text is not
    // exactly that.
    static std::optional<SystemColours> parse(std::string_view text);

    // Any of the design's colour values: a system colour from this table,
    // 0x00BBGGRR as it stands.
    QColor toQColor(layout::Colour colour) const;

    bool operator==(const SystemColours&) const = default;

private:
    std::array<QColor, Indexes.size()> colours_;
};
