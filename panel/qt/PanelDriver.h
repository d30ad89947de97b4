#pragma once

#include "LiftDriver.h"
#include "WakeTimer.h"

#include <QObject>
#include <QTimer>

namespace lift {
class LiftPanel;
}
class PanelWindow;

// The Qt window's side of the panel's driver: hands the ticks of `Timer1` and
// `Timer2` and the clicks to it, and wakes it with a precise one-shot timer
// while the cabin travels.
class PanelDriver final : public QObject, private lift::WakeTimer {
    Q_OBJECT
public:
    PanelDriver(PanelWindow& window, lift::LiftPanel& panel);

    // Starts `Timer1` and `Timer2`, as the window does when it is created.
    void start();

private:
    // WakeTimer
    void arm(std::chrono::nanoseconds wait) override;
    void cancel() override;

    PanelWindow& window_;
    lift::LiftDriver driver_;
    QTimer frames_;
};
