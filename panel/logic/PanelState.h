#pragma once

#include "FloorTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace lift {

// The variables the three handlers share, with their start values.
struct PanelState {
    // Unset until the first travel fills it; an unset entry matches no position.
    std::array<std::optional<std::int16_t>, controls::FloorCount> FloorTop{};
    // `Picture1`'s top in twips, where the window shows the cabin.
    std::int16_t Picture1Top = 0;
    // The cabin's top as the poll tick last read it.
    std::optional<float> CabinTop;
    std::int16_t TravelPending = 0;
    std::int16_t CurrentFloor = 0;
    std::int16_t FloorCode = 0;
    std::uint8_t FloorCodeByte = 0;
    std::array<std::int16_t, controls::FloorCount> Request{};
    std::array<std::string, controls::FloorCount> BitText{};
    std::string CodeText;
};

} // namespace lift
