// pelmo-snapshot [--system-colours C0,C5,C8,C15,C18] OUT.png [FLOOR]
// Renders the panel as it opens, or, given a floor, after the cabin has
// travelled there, and saves it as a PNG. Runs without a screen.
//
// --system-colours paints with the given system colours 0, 5, 8, 15 and 18,
// each RRGGBB in hex, instead of the palette's: the panel as another platform
// colours it, for comparing the two pixel by pixel.

#include "LiftPanel.h"
#include "PanelWindow.h"
#include "SystemColours.h"
#include "WindowFont.h"

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

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
    const char* program = argv[0];
    std::optional<SystemColours> colours;
    if (argc > 2 && std::strcmp(argv[1], "--system-colours") == 0) {
        colours = SystemColours::parse(argv[2]);
        if (!colours) {
            std::fprintf(stderr, "--system-colours takes five RRGGBB, separated by commas\n");
            return 2;
        }
        argc -= 2;
        argv += 2;
    }
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s [--system-colours C0,C5,C8,C15,C18] OUT.png [FLOOR]\n",
                     program);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(program), nullptr};
    QApplication app(qtArgc, qtArgv);
    registerWindowFont();

    PanelWindow window;
    if (colours) {
        window.setSystemColours(*colours);
    }
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
