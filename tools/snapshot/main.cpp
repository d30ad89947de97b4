// pelmo-snapshot [--system-colours C0,C5,C8,C15,C18] [--ratio R] OUT.png [FLOOR]
// Renders the panel as it opens, or, given a floor, after the cabin has
// travelled there, and saves it as a PNG. Runs without a screen.
//
// --system-colours paints with the given system colours 0, 5, 8, 15 and 18,
// each RRGGBB in hex, instead of the palette's: the panel as another platform
// colours it, for comparing the two pixel by pixel.
//
// --ratio renders at device pixel ratio R (1.25, 1.5, 2...), as on a screen
// scaled by that much; the picture is in device pixels.

#include "PanelSnapshot.h"
#include "SystemColours.h"
#include "WindowFont.h"

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace layout;

int main(int argc, char* argv[]) {
    const char* program = argv[0];
    std::optional<SystemColours> colours;
    const char* ratio = nullptr;
    while (argc > 2 && argv[1][0] == '-') {
        if (std::strcmp(argv[1], "--system-colours") == 0) {
            colours = SystemColours::parse(argv[2]);
            if (!colours) {
                std::fprintf(stderr, "--system-colours takes five RRGGBB, separated by commas\n");
                return 2;
            }
        } else if (std::strcmp(argv[1], "--ratio") == 0) {
            ratio = argv[2];
            if (std::atof(ratio) <= 0) {
                std::fprintf(stderr, "--ratio takes a number above 0\n");
                return 2;
            }
        } else {
            break;
        }
        argc -= 2;
        argv += 2;
    }
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr,
                     "usage: %s [--system-colours C0,C5,C8,C15,C18] [--ratio R] OUT.png [FLOOR]\n",
                     program);
        return 2;
    }
    if (ratio) {
        qputenv("QT_SCALE_FACTOR", ratio);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(program), nullptr};
    QApplication app(qtArgc, qtArgv);
    registerWindowFont();

    PanelSnapshot snapshot;
    if (colours) {
        snapshot.window().setSystemColours(*colours);
    }
    if (argc == 3) {
        const int floor = std::atoi(argv[2]);
        if (floor < 0 || floor > 5) {
            std::fprintf(stderr, "FLOOR is 0 to 5\n");
            return 2;
        }
        snapshot.travelTo(static_cast<std::int16_t>(floor));
    }

    if (!snapshot.image().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
