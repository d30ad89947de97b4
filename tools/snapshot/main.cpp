// pelmo-snapshot OUT.png [FLOOR]
// Renders the panel as it opens, or, given a floor, after the cabin has
// travelled there, and saves it as a PNG. Runs without a screen.

#include "LiftPanel.h"
#include "PanelWindow.h"
#include "WindowFont.h"

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

namespace {

// Time jumps far ahead whenever asked, so a travel ends at its first frame.
class FarFutureClock final : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return time_ += std::chrono::hours(1); }

private:
    mutable std::chrono::nanoseconds time_{};
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT.png [FLOOR]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerWindowFont();

    PanelWindow window;
    FarFutureClock clock;
    LiftPanel panel(window, clock, [](std::int32_t, std::uint8_t) {});
    panel.Timer1_Timer();
    if (argc == 3) {
        const int floor = std::atoi(argv[2]);
        if (floor < 0 || floor > 5) {
            std::fprintf(stderr, "FLOOR is 0 to 5\n");
            return 2;
        }
        panel.Command1_Click(static_cast<std::int16_t>(floor));
        panel.Timer1_Timer();
        panel.advanceTravel();
        panel.Timer1_Timer();
    }

    if (!window.grab().toImage().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
