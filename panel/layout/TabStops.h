#pragma once

#include "ControlTable.h"

#include <vector>

namespace layout {

// Whether a control of this kind takes the keyboard focus: the buttons and
// the text box. Picture boxes and labels carry tab positions too, but Tab
// passes them by.
bool takesFocus(ControlKind kind);

// The controls Tab moves through, in the order of their tab positions;
// controls without one are left out.
std::vector<const ControlEntry*> tabStops();

} // namespace layout
