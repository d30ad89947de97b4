#pragma once

#include <QObject>
#include <QTimer>

class LiftPanel;
class PanelWindow;

// Delivers the window's events to the panel's handlers: clicks, the ticks of
// `Timer1` and `Timer2`, and, while the cabin travels, a frame whenever the
// cabin is due one pixel further (every sixtieth of a second), so that it
// slides at its pace and the window stays alive in between.
class PanelDriver final : public QObject {
    Q_OBJECT
public:
    PanelDriver(PanelWindow& window, LiftPanel& panel);

    // Starts `Timer1` and `Timer2`, as the window does when it is created.
    void start();

private:
    void onTimer1();
    void onFrame();
    void followTravel();

    PanelWindow& window_;
    LiftPanel& panel_;
    QTimer frames_;
};
