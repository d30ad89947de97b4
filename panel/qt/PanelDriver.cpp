#include "PanelDriver.h"

#include "LiftPanel.h"
#include "PanelWindow.h"

#include "ControlTable.h"

#include <chrono>

PanelDriver::PanelDriver(PanelWindow& window, LiftPanel& panel)
    : window_(window)
    , panel_(panel) {
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setSingleShot(true);
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
    if (!panel_.travelling()) {
        frames_.stop();
        return;
    }
    // Wake when the cabin is due a whole pixel further: every frame moves it.
    const auto wait =
        std::chrono::ceil<std::chrono::milliseconds>(panel_.untilAhead(TwipsPerPixel));
    frames_.start(static_cast<int>(wait.count()));
}
