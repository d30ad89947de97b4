#pragma once

#include "LiftPanel.h"
#include "MonotonicClock.h"
#include "PanelDriver.h"
#include "PanelSpeech.h"
#include "PanelWindow.h"
#include "SpeakingView.h"

#include <functional>
#include <memory>

// The panel as the program starts it: the window's font, the window (with a
// frame of its own where the desktop leaves frames to its windows), the
// clock that paces the cabin, the handlers writing the real port file, and
// the driver that delivers the window's events to them. Needs a QApplication.
class PanelStartup {
public:
    // Puts a view of the caller's between the handlers and the window, made
    // from them; the benchmark's timing view is one. The caller keeps it alive.
    using ViewBetween = std::function<lift::PanelView&(PanelWindow&, const lift::MonotonicClock&)>;

    explicit PanelStartup(const ViewBetween& viewBetween = {});
    ~PanelStartup();

    // Shows the window and starts its timers.
    void start();

    PanelWindow& window() { return *window_; }
    const lift::LiftPanel& panel() const { return *panel_; }

private:
    lift::SteadyClock clock_;
    std::unique_ptr<PanelWindow> window_;
    std::unique_ptr<spoken::SpeakingView> words_;
    std::unique_ptr<PanelSpeech> speech_;
    std::unique_ptr<lift::LiftPanel> panel_;
    std::unique_ptr<PanelDriver> driver_;
};
