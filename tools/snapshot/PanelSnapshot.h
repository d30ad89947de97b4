#pragma once

#include "LeapingClock.h"
#include "LiftPanel.h"
#include "PanelWindow.h"

#include <QImage>

#include <cstdint>

// The panel in a window that is never shown, driven by hand for pictures of
// it: as it opens, or after a travel that ends at once. Writes no port file.
// Needs a QApplication on the offscreen platform and the window's font
// registered, as pelmo-snapshot sets them up.
class PanelSnapshot {
public:
    PanelSnapshot();

    // A press of `floor`'s cabin button and the ticks that serve it.
    void travelTo(std::int16_t floor);

    // The client area as the panel paints it.
    QImage image();

    PanelWindow& window() { return window_; }
    const lift::LiftPanel& panel() const { return panel_; }

private:
    PanelWindow window_;
    LeapingClock clock_;
    lift::LiftPanel panel_;
};
