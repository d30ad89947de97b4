#include "LiftPanel.h"
#include "MonotonicClock.h"
#include "PanelDriver.h"
#include "PanelWindow.h"
#include "WindowFont.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    registerWindowFont();

    PanelWindow window;
    SteadyClock clock;
    LiftPanel panel(window, clock);
    PanelDriver driver(window, panel);

    window.show();
    driver.start();
    return app.exec();
}
