#pragma once

#include <optional>
#include <string>

namespace layout {

// The name a screen reader announces for call button `index`: "Call floor N"
// for the cabin's keypad (0 to 5), "Call lift to floor N" for the buttons
// beside the floors (6 to 11). Nothing for any other index, so that no button
// is ever named after a floor the lift does not have.
std::optional<std::string> callButtonName(int index);

} // namespace layout
