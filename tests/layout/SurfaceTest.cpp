// What both windows draw of the table, decided once: which surface controls
// are painted and in what order, the strips of a shape's outline, the tab
// stops and the call buttons' names.
#include "Surface.h"
#include "CallButtonName.h"
#include "ShapeFills.h"
#include "TabStops.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

using namespace controls;
using namespace layout;

namespace {

// Records the controls handed over, in order, with the kind of call made.
struct RecordingSurface final : Surface {
    std::vector<std::pair<ControlKind, ControlId>> calls;
    void paintLabel(const ControlEntry& e) override {
        calls.emplace_back(ControlKind::Label, e.id);
    }
    void paintLine(const ControlEntry& e) override { calls.emplace_back(ControlKind::Line, e.id); }
    void paintShape(const ControlEntry& e) override {
        calls.emplace_back(ControlKind::Shape, e.id);
    }
    void paintImage(const ControlEntry& e) override {
        calls.emplace_back(ControlKind::Image, e.id);
    }
};

const PixelRect WholeWindow{0, 0, 415, 448};

} // namespace

TEST(Surface, PaintsVisibleSurfaceControlsBackToFrontByTheirOwnKind) {
    RecordingSurface surface;
    paintSurface(surface, WholeWindow);
    int last = 1000;
    std::size_t expected = 0;
    for (const ControlEntry& entry : controlTable()) {
        expected += isSurfaceKind(entry.kind) && entry.settings.visible;
    }
    ASSERT_EQ(surface.calls.size(), expected);
    for (const auto& [kind, id] : surface.calls) {
        const ControlEntry* entry = findControl(id);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(kind, entry->kind) << toString(id);
        EXPECT_TRUE(entry->settings.visible) << toString(id) << " is hidden";
        EXPECT_LT(entry->number, last) << toString(id) << " comes after an entry above it";
        last = entry->number;
    }
}

TEST(Surface, PaintsOnlyWhatMeetsTheDamageAtTheScreensScale) {
    const ControlEntry* label = findControl({"Label1"});
    ASSERT_NE(label, nullptr);
    const DisplayScale twice(2.0);
    const PixelRect inside = twice.rect(pixelBounds(*label));
    RecordingSurface surface;
    paintSurface(surface, {inside.left + 2, inside.top + 2, 2, 2}, twice);
    ASSERT_EQ(surface.calls.size(), 1u);
    EXPECT_EQ(surface.calls[0].second, label->id);

    RecordingSurface none;
    paintSurface(none, {inside.left + 2, inside.top + 2, 0, 2}, twice);
    EXPECT_TRUE(none.calls.empty()) << "an empty damage meets nothing";
}

TEST(ShapeOutline, AThreePixelBorderCoversExactlyTheBoxsEdge) {
    const PixelRect box{5, 7, 10, 8};
    std::set<std::pair<int, int>> covered;
    for (const PixelRect& strip : outlineStrips(box, 3)) {
        for (int y = strip.top; y < strip.bottom(); ++y) {
            for (int x = strip.left; x < strip.right(); ++x) {
                covered.emplace(x, y);
            }
        }
    }
    EXPECT_EQ(covered.size(), std::size_t(10 * 8 - 4 * 2)) << "nothing outside the box";
    for (int y = box.top; y < box.bottom(); ++y) {
        for (int x = box.left; x < box.right(); ++x) {
            const bool edge = x < box.left + 3 || x >= box.right() - 3 || y < box.top + 3 ||
                              y >= box.bottom() - 3;
            EXPECT_EQ(covered.count({x, y}) == 1, edge) << x << "," << y;
        }
    }
    // Wider than the box, the strips still stay inside it.
    for (const PixelRect& strip : outlineStrips({0, 0, 4, 2}, 5)) {
        EXPECT_TRUE(strip.left >= 0 && strip.top >= 0 && strip.right() <= 4 && strip.bottom() <= 2);
    }
}

static bool same(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST(ShapeFills, BackThenFillThenTheOutlineInItsColour) {
    const ControlEntry* shaft = findControl({"Shape2"}); // opaque, filled, 3-pixel border
    ASSERT_NE(shaft, nullptr);
    const ShapeFills fills(*shaft);
    const std::vector<ShapeFill> all(fills.begin(), fills.end());
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[0].colour, *shaft->settings.back);
    EXPECT_EQ(all[1].colour, *shaft->settings.fill);
    EXPECT_TRUE(same(all[0].rect, pixelBounds(*shaft)));
    EXPECT_TRUE(same(all[1].rect, pixelBounds(*shaft)));
    const auto strips = outlineStrips(pixelBounds(*shaft), 3);
    for (std::size_t i = 0; i < strips.size(); ++i) {
        EXPECT_TRUE(same(all[2 + i].rect, strips[i])) << i;
        EXPECT_EQ(all[2 + i].colour, *shaft->settings.border);
    }

    const ControlEntry* plain = findControl({"Shape3"}); // outline only
    ASSERT_NE(plain, nullptr);
    const ShapeFills outline(*plain);
    EXPECT_EQ(outline.end() - outline.begin(), 4);
    for (const ShapeFill& fill : outline) {
        EXPECT_EQ(fill.colour, ShapeOutline);
    }
}

TEST(TabStops, ComeInTabOrderAndSkipControlsThatTakeNoFocus) {
    const std::vector<const ControlEntry*> stops = tabStops();
    ASSERT_EQ(stops.size(), 13u); // Text1 and the twelve call buttons
    EXPECT_EQ(stops.front()->id, controls::Text1);
    for (std::size_t i = 0; i < stops.size(); ++i) {
        EXPECT_TRUE(takesFocus(stops[i]->kind)) << toString(stops[i]->id);
        EXPECT_NE(stops[i]->tab, ControlEntry::NoTab);
        if (i > 0) {
            EXPECT_LT(stops[i - 1]->tab, stops[i]->tab) << toString(stops[i]->id);
        }
    }
    const ControlEntry* label = findControl({"Label1"});
    ASSERT_NE(label, nullptr);
    EXPECT_NE(label->tab, ControlEntry::NoTab) << "a label with a tab position, passed by";
}

TEST(CallButtonName, NamesTheKeypadAndTheFloorButtonsAndRefusesOthers) {
    EXPECT_EQ(callButtonName(0), "Call floor 0");
    EXPECT_EQ(callButtonName(5), "Call floor 5");
    EXPECT_EQ(callButtonName(6), "Call lift to floor 0");
    EXPECT_EQ(callButtonName(11), "Call lift to floor 5");
    EXPECT_EQ(callButtonName(-1), std::nullopt);
    EXPECT_EQ(callButtonName(12), std::nullopt);
}
