#include "PanelSnapshot.h"

#include "ControlNames.h"
#include "ControlTable.h"

using namespace layout;

PanelSnapshot::PanelSnapshot()
    : panel_(window_, clock_, cabinStartTop(), [](std::int32_t, std::uint8_t) { return true; }) {
    panel_.Timer1_Timer(); // the first tick: the code box shows the empty code text
}

void PanelSnapshot::travelTo(std::int16_t floor) {
    panel_.Command1_Click(floor);
    panel_.Timer1_Timer();
    panel_.advanceTravel();
    panel_.Timer1_Timer();
}

QImage PanelSnapshot::image() {
    return window_.grab().toImage();
}
