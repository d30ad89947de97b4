#pragma once

#include "ControlId.h"

// The controls that the handlers and both windows name.
namespace controls {

inline constexpr ControlId Form1{"Form1"};
// The cabin: its top is the cabin's position.
inline constexpr ControlId Picture1{"Picture1"};
inline constexpr ControlId Text1{"Text1"};
inline constexpr ControlId Timer1{"Timer1"};
inline constexpr ControlId Timer2{"Timer2"};

// The lamp templates, hidden: every lamp takes one of their pictures.
inline constexpr ControlId RedLamp{"Picture2", 9};   // every lamp during a travel
inline constexpr ControlId BlueLamp{"Picture2", 10}; // the floor the cabin came to
inline constexpr ControlId WhiteLamp{"Picture2", 11};

// The lamp beside floor 0 (ground) to 5.
constexpr ControlId lamp(int floor) {
    return {"Picture2", 20 + floor};
}

// The cabin's floor digit, and the hidden digit pictures it takes.
inline constexpr ControlId FloorDigit{"d", 0};
constexpr ControlId digit(int floor) {
    return {"dig", floor};
}

// Call buttons 0..5 in the cabin, 6..11 beside the floors.
constexpr ControlId command1(int index) {
    return {"Command1", index};
}

} // namespace controls
