// Drives the panel's real window through one ground-to-fifth-floor travel and
// reports how long it took against the cabin's pace, and the longest time the
// cabin stood still on screen on the way.
#include "CabinTimingView.h"
#include "CabinTravel.h"
#include "FloorTable.h"
#include "MoveWatch.h"
#include "PanelStartup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace controls;
using namespace lift;
using namespace layout;

namespace {

constexpr int SettleMs = 500;
constexpr int PollMs = 10;
constexpr int TimeoutMs = 30000;
constexpr ControlId FifthFloorCall{"Command1", 11};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program's own start-up, with a view that notes the cabin's times.
    std::optional<CabinTimingView> view;
    PanelStartup startup([&](PanelWindow& window, const MonotonicClock& clock) -> PanelView& {
        return view.emplace(window, clock);
    });
    PanelWindow& window = startup.window();
    const LiftPanel& panel = startup.panel();
    MoveWatch cabin(window.control({"Picture1"}));
    startup.start();

    bool started = false;
    int result = 1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        started = started || panel.travelling();
        if (started && !panel.travelling()) {
            result = 0;
            app.quit();
        }
    });
    QTimer::singleShot(SettleMs, [&] {
        cabin.arm();
        if (auto* call = qobject_cast<QAbstractButton*>(window.control(FifthFloorCall))) {
            call->click();
        }
        poll.start(PollMs);
    });
    QTimer::singleShot(TimeoutMs, &app, [&] { app.quit(); });
    app.exec();

    if (result != 0) {
        std::fprintf(stderr, "travel-harness: the travel did not end in time\n");
        return result;
    }
    const int twips = FloorTopTwips[0] - FloorTopTwips[5];
    if (view->positions() != twips + 1) {
        std::fprintf(stderr, "travel-harness: %d positions set, not %d\n", view->positions(),
                     twips + 1);
        return 1;
    }
    std::printf("positions %d\n", view->positions());
    std::printf("duration_ms %.2f\n", view->firstToLast().count() / 1e6);
    std::printf("pace_ms %.2f\n", twips * 1000.0 / CabinTravel::TwipsPerSecond);
    std::printf("moves %d\n", cabin.moves());
    std::printf("longest_gap_ms %.2f\n", cabin.longestGapMs());
    return 0;
}
