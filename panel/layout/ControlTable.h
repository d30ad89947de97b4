#pragma once

#include "Colour.h"
#include "ControlEntry.h"
#include "ControlNames.h"

#include <span>
#include <string_view>

namespace layout {

struct WindowSettings {
    std::string_view caption{};
    int clientWidth;
    int clientHeight;
    Colour back;
};

const WindowSettings& form1Settings();

// All 68 controls in creation order, front to back.
std::span<const ControlEntry> controlTable();

// The row of `id`, or nullptr.
const ControlEntry* findControl(controls::ControlId id);

// `Picture1`'s top in the design, in twips: where the cabin stands as the
// window opens.
int cabinStartTop();

// Default settings that the list leaves out.
inline constexpr Colour LabelBack = ButtonFace;
inline constexpr Colour LabelText = ButtonText;
inline constexpr Colour ShapeOutline = WindowText;
inline constexpr Colour TextBoxBack = WindowBackground;

} // namespace layout
