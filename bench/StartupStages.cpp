// Where the panel's start-up goes: the time from process start to the end of
// each stage, up to the first complete paint, beside the same stages of the
// minimal Qt window.
//
//   startup-stages [--minimal | --minimal-text]
//
// --minimal is the empty window of the benchmark's floor; --minimal-text the
// same with one line of text on it, the least any window with words pays.
// Starts itself again with the clock noted just before exec, so the first
// stage includes loading the program and its libraries. Prints one line
// "stage_ms NAME T" per stage and ends after the first paint.
#include "ControlNames.h"
#include "ControlTable.h"
#include "LiftPanel.h"
#include "MonotonicClock.h"
#include "PanelDriver.h"
#include "PanelWindow.h"
#include "PortFile.h"
#include "WindowFont.h"

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

using namespace lift;
using namespace layout;

namespace {

constexpr const char* StartVariable = "PELMO_STAGES_T0_NS";

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

long long startNs = 0;

void stage(const char* name) {
    std::printf("stage_ms %s %.2f\n", name, double(nowNs() - startNs) / 1e6);
}

// Notes the first paint of a window and quits once it has reached the screen.
class FirstPaint final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs after the paint and the flush of the backing store.
            QTimer::singleShot(0, [] {
                stage("first_paint_done");
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const char* start = std::getenv(StartVariable);
    if (start == nullptr) {
        setenv(StartVariable, std::to_string(nowNs()).c_str(), 1);
        execv("/proc/self/exe", argv);
        std::perror("startup-stages: exec");
        return 1;
    }
    startNs = std::atoll(start);
    stage("main");
    const bool minimal = argc > 1 && std::strncmp(argv[1], "--minimal", 9) == 0;
    const bool text = argc > 1 && std::strcmp(argv[1], "--minimal-text") == 0;

    QApplication app(argc, argv);
    stage("application");
    FirstPaint firstPaint;
    if (minimal) {
        QWidget window;
        window.setFixedSize(415, 448);
        if (text) {
            new QLabel(QStringLiteral("Ground Floor"), &window);
        }
        stage("window_built");
        window.installEventFilter(&firstPaint);
        window.show();
        stage("shown");
        return app.exec();
    }

    registerWindowFont();
    stage("font_registered");
    PanelWindow window;
    SteadyClock clock;
    LiftPanel panel(window, clock, cabinStartTop(), portio::TryWritePort);
    PanelDriver driver(window, panel);
    stage("window_built");
    window.installEventFilter(&firstPaint);
    window.show();
    driver.start();
    stage("shown");
    return app.exec();
}
