#include "PanelDriver.h"

#include "PanelWindow.h"

#include "ControlNames.h"

#include <algorithm>
#include <chrono>

using namespace controls;
using namespace lift;
using namespace layout;

namespace {

using controls::Timer1;
using controls::Timer2;

} // namespace

PanelDriver::PanelDriver(PanelWindow& window, LiftPanel& panel)
    : window_(window)
    , driver_(panel, *this) {
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setSingleShot(true);
    connect(&frames_, &QTimer::timeout, this, [this] { driver_.wake(); });
    for (const ControlId& id : {Timer1, Timer2}) {
        if (QTimer* timer = window_.timer(id)) {
            connect(timer, &QTimer::timeout, this, [this, id] { driver_.tick(id); });
        }
    }
    connect(&window_, &PanelWindow::commandClicked, this,
            [this](int index) { driver_.click(index); });
}

void PanelDriver::start() {
    for (const ControlId& id : {Timer1, Timer2}) {
        if (QTimer* timer = window_.timer(id)) {
            timer->start();
        }
    }
}

void PanelDriver::arm(std::chrono::nanoseconds wait) {
    // Whole milliseconds, rounded up: the wake never comes before the pixel.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
    frames_.start(static_cast<int>(std::max<long long>(ms, 0)));
}

void PanelDriver::cancel() {
    frames_.stop();
}
