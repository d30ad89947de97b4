#include "PanelDriver.h"

#include "LiftPanel.h"
#include "PanelWindow.h"

#include "ControlTable.h"

#include <chrono>

namespace {

using controls::Timer1;
using controls::Timer2;

} // namespace

PanelDriver::PanelDriver(PanelWindow& window, LiftPanel& panel)
    : window_(window)
    , panel_(panel) {
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setSingleShot(true);
    connect(&frames_, &QTimer::timeout, this, &PanelDriver::onFrame);
    // Each timer's own ticks go to its own handler.
    if (QTimer* timer1 = window_.timer(Timer1)) {
        connect(timer1, &QTimer::timeout, this, &PanelDriver::onTimer1);
    }
    if (QTimer* timer2 = window_.timer(Timer2)) {
        connect(timer2, &QTimer::timeout, this, [this] { panel_.Timer2_Timer(); });
    }
    connect(&window_, &PanelWindow::commandClicked, this,
            [this](int index) { panel_.Command1_Click(static_cast<std::int16_t>(index)); });
}

void PanelDriver::start() {
    for (const ControlId& id : {Timer1, Timer2}) {
        if (QTimer* timer = window_.timer(id)) {
            timer->start();
        }
    }
}

void PanelDriver::onTimer1() {
    panel_.Timer1_Timer();
    followTravel();
}

void PanelDriver::onFrame() {
    panel_.advanceTravel();
    followTravel();
}

void PanelDriver::followTravel() {
    if (!panel_.travelling()) {
        frames_.stop();
        return;
    }
    // Wake when the cabin is due a whole pixel further: every frame moves it.
    const auto wait =
        std::chrono::ceil<std::chrono::milliseconds>(panel_.untilAhead(TwipsPerPixel));
    frames_.start(static_cast<int>(wait.count()));
}
