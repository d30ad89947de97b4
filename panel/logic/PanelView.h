#pragma once

#include "ControlId.h"

#include <string>

namespace lift {

// All the handlers may do to the window: everything else on it stays as it was
// created. The window only follows: what it shows is the panel's state, which
// it never reads back. Each front end's window implements it; tests record
// what is asked of it.
class PanelView {
public:
    virtual ~PanelView() = default;

    // `Picture1`'s top, in twips: the cabin's position.
    virtual void setCabinTop(int twips) = 0;

    // Gives box `to` the picture of box `from`; `from` keeps its own.
    virtual void takePicture(controls::ControlId to, controls::ControlId from) = 0;

    virtual void setText1(const std::string& text) = 0;
    // Runs `Timer2` with this interval from now on.
    virtual void setTimer2Interval(int milliseconds) = 0;
};

} // namespace lift
