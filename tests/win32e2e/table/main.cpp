// panel-table rects
//     every control's rectangle in client pixels: NAME KIND X Y W H
// panel-table compare EXPECTED.png ACTUAL.png DIFF.png [CABIN_TOP]
//     compares two pictures of the client area pixel for pixel; prints the
//     share of identical pixels and the differing pixels per control, writes
//     the difference picture; fails when fewer than 98 % agree or anything
//     but control chrome differs (a label's text above all); CABIN_TOP is
//     where the cabin stands, in pixels (default: its start)
#include "ControlRects.h"
#include "LookCompare.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double RequiredShare = 0.98;

int printRects() {
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind == ControlKind::Timer) {
            continue;
        }
        const ControlRect r = controlRect(entry);
        std::printf("%s %s %d %d %d %d\n", controlName(entry.id).c_str(), kindName(entry.kind), r.x,
                    r.y, r.width, r.height);
    }
    return 0;
}

int compare(const char* expectedPath, const char* actualPath, const char* diffPath, int cabinTop) {
    const QImage expected(QString::fromLocal8Bit(expectedPath));
    const QImage actual(QString::fromLocal8Bit(actualPath));
    if (expected.isNull() || actual.isNull()) {
        std::fprintf(stderr, "cannot read %s or %s\n", expectedPath, actualPath);
        return 2;
    }
    if (expected.size() != actual.size()) {
        std::printf("sizes differ: %dx%d against %dx%d\n", expected.width(), expected.height(),
                    actual.width(), actual.height());
        return 1;
    }
    const LookDifference difference = compareLooks(expected, actual, cabinTop);
    std::printf("identical %.2f %% (%ld of %ld pixels)\n", 100.0 * difference.identicalShare(),
                difference.identical, difference.total);
    bool onlyChrome = true;
    for (const ControlDifference& c : difference.controls) {
        const bool chrome = isChrome(c.control);
        onlyChrome = onlyChrome && chrome;
        const ControlRect r = c.control != nullptr ? controlRect(*c.control) : ControlRect{};
        std::printf("  %-13s %-10s at %d,%d %dx%d: %ld pixels differ%s\n",
                    c.control != nullptr ? controlName(c.control->id).c_str() : "Form1",
                    c.control != nullptr ? kindName(c.control->kind) : "background", r.x, r.y,
                    r.width, r.height, c.pixels, chrome ? " (chrome)" : "");
    }
    if (!difference.controls.empty() &&
        !difference.picture.save(QString::fromLocal8Bit(diffPath))) {
        std::fprintf(stderr, "cannot write %s\n", diffPath);
    }
    return difference.identicalShare() >= RequiredShare && onlyChrome ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "rects") == 0) {
        return printRects();
    }
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "compare") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        const ControlEntry* cabin = findControl({"Picture1"});
        const int cabinTop = argc == 6 ? std::atoi(argv[5]) : cabin->top / TwipsPerPixel;
        return compare(argv[2], argv[3], argv[4], cabinTop);
    }
    std::fprintf(stderr, "usage: panel-table rects | "
                         "compare EXPECTED.png ACTUAL.png DIFF.png [CABIN_TOP]\n");
    return 2;
}
