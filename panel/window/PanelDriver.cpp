#include "PanelDriver.h"

#include "LiftPanel.h"
#include "PanelWindow.h"

namespace {

constexpr int FrameMs = 16;

} // namespace

PanelDriver::PanelDriver(PanelWindow& window, LiftPanel& panel)
    : window_(window)
    , panel_(panel) {
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setInterval(FrameMs);
    connect(&frames_, &QTimer::timeout, this, &PanelDriver::onFrame);
    connect(&window_, &PanelWindow::timerTicked, this, &PanelDriver::onTimer);
    connect(&window_, &PanelWindow::commandClicked, this,
            [this](int index) { panel_.Command1_Click(static_cast<std::int16_t>(index)); });
}

void PanelDriver::start() {
    for (const char* name : {"Timer1", "Timer2"}) {
        if (QTimer* t = window_.timer({name})) {
            t->start();
        }
    }
}

void PanelDriver::onTimer(ControlId timer) {
    if (timer == ControlId{"Timer1"}) {
        panel_.Timer1_Timer();
        followTravel();
    } else if (timer == ControlId{"Timer2"}) {
        panel_.Timer2_Timer();
    }
}

void PanelDriver::onFrame() {
    panel_.advanceTravel();
    followTravel();
}

void PanelDriver::followTravel() {
    if (panel_.travelling() && !frames_.isActive()) {
        frames_.start();
    } else if (!panel_.travelling() && frames_.isActive()) {
        frames_.stop();
    }
}
