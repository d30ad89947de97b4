// panel-table [--ratio R] rects
//     every control's rectangle in client pixels: NAME KIND X Y W H
// panel-table [--ratio R] client
//     the client area's size in pixels: W H
// panel-table [--ratio R] floors
//     the cabin's top in client pixels standing at each floor: FLOOR TOP
// panel-table [--ratio R] [--faces-differ] compare EXPECTED.png ACTUAL.png DIFF.png [CABIN_TOP]
//     compares two pictures of the client area pixel for pixel; prints the
//     share of identical pixels and the differing pixels per control, writes
//     the difference picture; fails when fewer than 98 % agree or anything
//     but control chrome differs (a label's text above all); CABIN_TOP is
//     where the cabin stands, in pixels at 96 dpi (default: its start)
//
// --ratio R: the pictures and rectangles are in device pixels at device pixel
// ratio R. Above 1 the two windows draw text in different faces (and at 1
// with --faces-differ, for a window that could not have the raster face), so
// the label text is not compared pixel for pixel; instead 98 % of the pixels
// that are neither label text nor chrome must agree, and every word of every
// label must stand within one device pixel of its place in EXPECTED (a bar
// "|" within one pixel at 96 dpi, scaled: where the bar stands in its cell
// is the face's own design).
#include "ControlRects.h"
#include "FloorTable.h"
#include "LookCompare.h"
#include "PixelGeometry.h"
#include "WordPlaces.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace controls;
using namespace layout;

namespace {

constexpr double RequiredShare = 0.98;

int printRects(const DisplayScale& scale) {
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind == ControlKind::Timer) {
            continue;
        }
        const ControlRect r = scaledRect(controlRect(entry), scale);
        std::printf("%s %s %d %d %d %d\n", toString(entry.id).c_str(), kindName(entry.kind), r.x,
                    r.y, r.width, r.height);
    }
    return 0;
}

int printClient(const DisplayScale& scale) {
    const WindowSettings& form = form1Settings();
    std::printf("%d %d\n", scale.length(toPixels(form.clientWidth)),
                scale.length(toPixels(form.clientHeight)));
    return 0;
}

// The cabin's row moved to each floor's top, placed as the windows place it.
int printFloors(const DisplayScale& scale) {
    ControlEntry cabin = *findControl({"Picture1"});
    for (int floor = 0; floor < FloorCount; ++floor) {
        cabin.top = FloorTopTwips[floor];
        std::printf("%d %d\n", floor, scaledRect(controlRect(cabin), scale).y);
    }
    return 0;
}

// The words' places; true when each stands within a pixel of EXPECTED's.
bool compareWords(const QImage& expected, const QImage& actual, const DisplayScale& scale) {
    const std::vector<WordPlace> places = compareWordPlaces(expected, actual, scale);
    bool good = true;
    for (const WordPlace& p : places) {
        // A bar stands where each face puts it in its cell, which the faces
        // draw a device pixel or so apart: within one pixel at 96 dpi, scaled.
        const int across = p.word.find_first_not_of('|') == std::string::npos ? scale.length(1) : 1;
        if (!p.inBoth || std::abs(p.dx) > across || std::abs(p.dy) > 1) {
            good = false;
            std::printf("  %s line %d \"%s\": %s\n", toString(p.label->id).c_str(), p.line,
                        p.word.c_str(),
                        p.inBoth ? ("off by " + std::to_string(p.dx) + "," + std::to_string(p.dy) +
                                    " device pixels")
                                       .c_str()
                                 : "missing in one picture");
        }
    }
    std::printf("words: %zu, largest offset %d device pixel(s)\n", places.size(),
                largestWordOffset(places));
    return good;
}

int compare(const char* expectedPath, const char* actualPath, const char* diffPath, int cabinTop,
            const DisplayScale& scale, bool facesDiffer) {
    const bool byWords = facesDiffer || !scale.isOne();
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
    const LookDifference difference = compareLooks(expected, actual, cabinTop, scale);
    std::printf("identical %.2f %% (%ld of %ld pixels)", 100.0 * difference.identicalShare(),
                difference.identical, difference.total);
    if (byWords) {
        std::printf(", %.2f %% besides label text (%ld) and chrome (%ld)",
                    100.0 * difference.identicalShareBesidesTextAndChrome(), difference.labelText,
                    difference.chrome);
    }
    std::printf("\n");
    bool onlyChrome = true;
    for (const ControlDifference& c : difference.controls) {
        const bool chrome = isChrome(c.control);
        onlyChrome = onlyChrome && chrome;
        const bool text =
            !scale.isOne() && c.control != nullptr && c.control->kind == ControlKind::Label;
        const ControlRect r =
            c.control != nullptr ? scaledRect(controlRect(*c.control), scale) : ControlRect{};
        std::printf("  %-13s %-10s at %d,%d %dx%d: %ld pixels differ%s\n",
                    c.control != nullptr ? toString(c.control->id).c_str() : "Form1",
                    c.control != nullptr ? kindName(c.control->kind) : "background", r.x, r.y,
                    r.width, r.height, c.pixels,
                    chrome ? " (chrome)" : (text ? " (label, its text compared by words)" : ""));
    }
    if (!difference.controls.empty() &&
        !difference.picture.save(QString::fromLocal8Bit(diffPath))) {
        std::fprintf(stderr, "cannot write %s\n", diffPath);
    }
    if (byWords) {
        const bool words = compareWords(expected, actual, scale);
        return difference.identicalShareBesidesTextAndChrome() >= RequiredShare && words ? 0 : 1;
    }
    return difference.identicalShare() >= RequiredShare && onlyChrome ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    DisplayScale scale;
    bool facesDiffer = false;
    for (;;) {
        if (argc > 2 && std::strcmp(argv[1], "--ratio") == 0) {
            scale = DisplayScale(std::atof(argv[2]));
            argv[2] = argv[0];
            argc -= 2;
            argv += 2;
        } else if (argc > 1 && std::strcmp(argv[1], "--faces-differ") == 0) {
            argv[1] = argv[0];
            argc -= 1;
            argv += 1;
            facesDiffer = true;
        } else {
            break;
        }
    }
    if (argc == 2 && std::strcmp(argv[1], "rects") == 0) {
        return printRects(scale);
    }
    if (argc == 2 && std::strcmp(argv[1], "client") == 0) {
        return printClient(scale);
    }
    if (argc == 2 && std::strcmp(argv[1], "floors") == 0) {
        return printFloors(scale);
    }
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "compare") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        const ControlEntry* cabin = findControl({"Picture1"});
        const int cabinTop = argc == 6 ? std::atoi(argv[5]) : cabin->top / TwipsPerPixel;
        return compare(argv[2], argv[3], argv[4], cabinTop, scale, facesDiffer);
    }
    std::fprintf(
        stderr,
        "usage: panel-table [--ratio R] rects | client | floors | "
        "[--ratio R] [--faces-differ] compare EXPECTED.png ACTUAL.png DIFF.png [CABIN_TOP]\n");
    return 2;
}
