#include "WordPlaces.h"

#include "ControlRects.h"
#include "LabelLayout.h"
#include "RasterFace.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

using namespace layout;

namespace {

struct Ink {
    int x, y;
};

struct Area {
    int left, top, right, bottom; // device pixels, right and bottom exclusive
};

QRgb mostCommon(const QImage& picture, const Area& a) {
    std::map<QRgb, long> counts;
    for (int y = a.top; y < a.bottom; ++y) {
        for (int x = a.left; x < a.right; ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& p, const auto& q) { return p.second < q.second; });
    return most == counts.end() ? 0 : most->first;
}

// The first column holding ink in `a`, and the lowest row of ink at or above
// `baseline`: the foot of the glyphs that stand on it, whatever the face's
// ascent, and below what the line above may reach down into.
std::optional<Ink> firstInk(const QImage& picture, const Area& a, int baseline, QRgb back) {
    std::optional<Ink> ink;
    for (int x = a.left; x < a.right && !ink; ++x) {
        for (int y = a.top; y < a.bottom; ++y) {
            if (picture.pixel(x, y) != back) {
                ink = Ink{x, y};
                break;
            }
        }
    }
    if (!ink) {
        return ink;
    }
    for (int y = std::min(baseline, a.bottom - 1); y >= a.top; --y) {
        for (int x = a.left; x < a.right; ++x) {
            if (picture.pixel(x, y) != back) {
                ink->y = y;
                return ink;
            }
        }
    }
    return ink;
}

Area clipped(Area a, const ControlRect& box, const QImage& picture) {
    a.left = std::max({a.left, box.x, 0});
    a.top = std::max({a.top, box.y, 0});
    a.right = std::min({a.right, box.x + box.width, picture.width()});
    a.bottom = std::min({a.bottom, box.y + box.height, picture.height()});
    return a;
}

} // namespace

std::vector<WordPlace> compareWordPlaces(const QImage& expectedIn, const QImage& actualIn,
                                         const DisplayScale& scale) {
    const QImage expected = expectedIn.convertToFormat(QImage::Format_RGB32);
    const QImage actual = actualIn.convertToFormat(QImage::Format_RGB32);
    const TextWidth measure = [](std::string_view text) {
        return rasterface::width(text);
    };
    std::vector<WordPlace> places;
    for (const ControlEntry& label : controlTable()) {
        if (label.kind != ControlKind::Label || !label.settings.visible) {
            continue;
        }
        const ControlRect box = scaledRect(controlRect(label), scale);
        const Area whole{box.x, box.y, box.x + box.width, box.y + box.height};
        const QRgb backE = mostCommon(expected, clipped(whole, box, expected));
        const QRgb backA = mostCommon(actual, clipped(whole, box, actual));
        int line = 0;
        for (const LabelLine& l : layOutLabel(label, measure, rasterface::LineHeight)) {
            for (const PlacedWord& word : placeWords(l.text, measure)) {
                const int x = l.x + word.x;
                // Down to the underline, which lies on the row below the glyphs.
                const Area a{scale.edge(x) - 1, scale.edge(l.top),
                             scale.edge(x + measure(word.text)) + 1,
                             scale.edge(l.top + rasterface::LineHeight)};
                const int baseline = scale.edge(l.top + rasterface::Ascent) - 1;
                const auto e = firstInk(expected, clipped(a, box, expected), baseline, backE);
                const auto g = firstInk(actual, clipped(a, box, actual), baseline, backA);
                WordPlace place{&label, std::string(word.text), line, e && g};
                if (e && g) {
                    place.dx = g->x - e->x;
                    place.dy = g->y - e->y;
                }
                places.push_back(place);
            }
            ++line;
        }
    }
    return places;
}

int largestWordOffset(const std::vector<WordPlace>& places) {
    int largest = 0;
    for (const WordPlace& p : places) {
        if (p.inBoth) {
            largest = std::max({largest, std::abs(p.dx), std::abs(p.dy)});
        }
    }
    return largest;
}
