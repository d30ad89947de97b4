// pelmo-snapshot [--system-colours RRGGBB,RRGGBB,RRGGBB,RRGGBB,RRGGBB] OUT.png [FLOOR]
// Renders the panel as it opens, or, given a floor, after the cabin has
// travelled there, and saves it as a PNG. Runs without a screen.
// --system-colours gives system colours 0, 5, 8, 15 and 18 in that order, to
// render the panel as a system with those colours shows it.

#include "LiftPanel.h"
#include "PanelWindow.h"
#include "SystemColours.h"
#include "WindowFont.h"

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Time jumps far ahead whenever asked, so a travel ends at its first frame.
class FarFutureClock final : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return time_ += std::chrono::hours(1); }

private:
    mutable std::chrono::nanoseconds time_{};
};

// "RRGGBB,..." for system colours 0, 5, 8, 15, 18; false when malformed.
bool overrideSystemColours(const QString& list) {
    const int indexes[] = {0, 5, 8, 15, 18};
    const QStringList colours = list.split(',');
    if (colours.size() != 5) {
        return false;
    }
    for (int i = 0; i < 5; ++i) {
        const QColor colour(QStringLiteral("#") + colours[i]);
        if (colours[i].size() != 6 || !colour.isValid()) {
            return false;
        }
        overrideSystemColour(indexes[i], colour);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool withColours = argc > 2 && std::strcmp(argv[1], "--system-colours") == 0;
    const int first = withColours ? 3 : 1; // OUT.png
    if (argc <= first || argc > first + 2 ||
        (withColours && !overrideSystemColours(QString::fromLatin1(argv[2])))) {
        std::fprintf(stderr,
                     "usage: %s [--system-colours RRGGBB,RRGGBB,RRGGBB,RRGGBB,RRGGBB] "
                     "OUT.png [FLOOR]\n",
                     argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerWindowFont();

    PanelWindow window;
    FarFutureClock clock;
    LiftPanel panel(window, clock, [](std::int32_t, std::uint8_t) {});
    panel.Timer1_Timer();
    if (argc == first + 2) {
        const int floor = std::atoi(argv[first + 1]);
        if (floor < 0 || floor > 5) {
            std::fprintf(stderr, "FLOOR is 0 to 5\n");
            return 2;
        }
        panel.Command1_Click(static_cast<std::int16_t>(floor));
        panel.Timer1_Timer();
        panel.advanceTravel();
        panel.Timer1_Timer();
    }

    if (!window.grab().toImage().save(QString::fromLocal8Bit(argv[first]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[first]);
        return 1;
    }
    return 0;
}
