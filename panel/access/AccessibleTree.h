#pragma once

#include "ControlId.h"

#include <span>
#include <string>
#include <string_view>

namespace spoken {

class SpeakingView;

// The part a control plays for assistive technology.
enum class Role { Window, PushButton, EditableText, StaticText, Image, Status };

struct AccessibleItem {
    controls::ControlId id;
    Role role;
};

// The window's accessible children in reading order: the cabin's inside
// (digit and keypad), the building from the top floor down (label, call
// button, lamp on each floor) with the cabin, then the legends and the code
// box under its label. The pictures that only decorate and the boxes no one
// sees are left out.
std::span<const AccessibleItem> readingOrder();

// The item of `id`, or nullptr when it is not in the tree.
const AccessibleItem* accessibleItem(controls::ControlId id);

// The name a control is told by. The cabin, the digit and the lamps say
// what they show now, from `words` (their still names when it is null).
// `Form1` is named by its caption, `Text1` by its label.
std::string accessibleName(controls::ControlId id, const SpeakingView* words);

// A caption as it is read: runs of spaces made one, none at either end.
std::string readable(std::string_view caption);

} // namespace spoken
