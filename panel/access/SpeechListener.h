#pragma once

#include "ControlId.h"

#include <string>

namespace spoken {

// What a window does with the panel's words: tells a status message to
// assistive technology now, and lets it know that a control's words changed.
class SpeechListener {
public:
    virtual ~SpeechListener() = default;
    virtual void announce(const std::string& message) = 0;
    // `Picture1` (the cabin's place), `d(0)` (the digit) or a lamp.
    virtual void wordsChanged(controls::ControlId id) = 0;
};

} // namespace spoken
