// The comparison of two pictures taken on a denser screen: controls found at
// their scaled places, label text told apart from the rest, and words found
// by their ink.
#include "ControlIdPrinting.h"
#include "ControlNames.h"
#include "ControlRects.h"
#include "LabelLayout.h"
#include "LookCompare.h"
#include "RasterFace.h"
#include "WordPlaces.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace controls;
using namespace layout;

namespace {

const DisplayScale Twice(2.0);

QImage blankAt(const DisplayScale& scale) {
    QImage picture(scale.length(415), scale.length(448), QImage::Format_RGB32);
    picture.fill(qRgb(255, 255, 192));
    return picture;
}

ControlRect scaledRectOf(ControlId id, const DisplayScale& scale) {
    return scaledRect(controlRect(*findControl(id)), scale);
}

void fill(QImage& picture, const ControlRect& r, QRgb colour) {
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            picture.setPixel(x, y, colour);
        }
    }
}

// A block of ink where the first word of a label's first line stands.
void inkFirstWord(QImage& picture, ControlId label, int shift) {
    const ControlEntry& entry = *findControl(label);
    const TextWidth measure = [](std::string_view t) {
        return rasterface::width(t);
    };
    const LabelLine line = layOutLabel(entry, measure, rasterface::LineHeight).front();
    const PlacedWord word = placeWords(line.text, measure).front();
    const int x = Twice.edge(line.x + word.x) + shift;
    fill(picture,
         {x, Twice.edge(line.top + 3), 6,
          Twice.edge(line.top + rasterface::Ascent) - Twice.edge(line.top + 3)},
         qRgb(0, 0, 0));
}

} // namespace

TEST(ScaledLook, ControlsAreFoundAtTheirScaledPlaces) {
    const ControlRect button = scaledRectOf({"Command1", 11}, Twice);
    const ControlEntry* at = controlAt(button.x + button.width - 2, button.y + 2, 304, Twice);
    ASSERT_NE(at, nullptr);
    EXPECT_EQ(at->id, controls::command1(11));
    EXPECT_EQ(button.width, 2 * controlRect(*findControl({"Command1", 11})).width);
}

TEST(ScaledLook, LabelTextAndChromeAreCountedApartFromTheRest) {
    QImage expected = blankAt(Twice);
    const ControlRect label = scaledRectOf({"Label8"}, Twice);
    const ControlRect lamp = scaledRectOf({"Picture2", 25}, Twice);
    fill(expected, label, qRgb(240, 240, 240));
    QImage actual = expected;
    // Ink in the label, a changed lamp, a changed button.
    fill(actual, {label.x + 4, label.y + 4, 5, 5}, qRgb(0, 0, 0));
    fill(actual, {lamp.x + 2, lamp.y + 2, 3, 3}, qRgb(0, 0, 255));
    const ControlRect button = scaledRectOf({"Command1", 11}, Twice);
    fill(actual, {button.x + 1, button.y + 1, 2, 2}, qRgb(1, 2, 3));

    const LookDifference d = compareLooks(expected, actual, 304, Twice);
    EXPECT_EQ(d.labelText, 25);
    EXPECT_EQ(d.chrome, 4);
    EXPECT_EQ(d.total - d.identical, 25 + 9 + 4);
    EXPECT_DOUBLE_EQ(d.identicalShareBesidesTextAndChrome(),
                     double(d.identical) / double(d.total - 29));
}

TEST(ScaledLook, WordsAreComparedByWhereTheirInkBegins) {
    QImage expected = blankAt(Twice);
    QImage actual = blankAt(Twice);
    inkFirstWord(expected, {"Label8"}, 0);
    inkFirstWord(actual, {"Label8"}, 2);

    const std::vector<WordPlace> places = compareWordPlaces(expected, actual, Twice);
    const auto fifth = std::find_if(places.begin(), places.end(), [](const WordPlace& p) {
        return p.label->id == ControlId{"Label8"} && p.word == "Fifth";
    });
    ASSERT_NE(fifth, places.end());
    EXPECT_TRUE(fifth->inBoth);
    EXPECT_EQ(fifth->dx, 2);
    EXPECT_EQ(fifth->dy, 0);
    EXPECT_EQ(largestWordOffset(places), 2);
    // A word drawn in neither picture is not found in both.
    const auto floor = std::find_if(places.begin(), places.end(), [](const WordPlace& p) {
        return p.label->id == ControlId{"Label8"} && p.word == "Floor";
    });
    ASSERT_NE(floor, places.end());
    EXPECT_FALSE(floor->inBoth);
}
