// pelmo-snapshot OUT.png [FLOOR]
// Renders the panel as it opens, or, given a floor, after the cabin has
// travelled there, and saves it as a PNG. Runs without a screen.

#include "PanelSnapshot.h"
#include "WindowFont.h"

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT.png [FLOOR]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerWindowFont();

    PanelSnapshot snapshot;
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
