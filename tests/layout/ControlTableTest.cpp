#include "ControlTable.h"
#include "FloorTable.h"
#include "TwipsPerPixel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace controls;
using namespace layout;

namespace {

bool takesTab(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::PictureBox ||
           kind == ControlKind::TextBox || kind == ControlKind::Label;
}

TEST(ControlTable, ListsEveryControlOnceInCreationOrder) {
    const auto table = controlTable();
    ASSERT_EQ(table.size(), 68u);
    std::set<ControlId> seen;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].number, int(i) + 1);
        EXPECT_TRUE(seen.insert(table[i].id).second) << toString(table[i].id) << " twice";
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_NE(findControl({"Command1", i}), nullptr) << i;
    }
    for (int i : {3, 4, 5, 9, 10, 11, 20, 21, 22, 23, 24, 25}) {
        EXPECT_NE(findControl({"Picture2", i}), nullptr) << i;
    }
    EXPECT_EQ(findControl({"Picture2", 6}), nullptr);
}

TEST(ControlTable, ContainersComeBeforeWhatTheyHold) {
    for (const ControlEntry& entry : controlTable()) {
        if (entry.container == controls::Form1) {
            continue;
        }
        const ControlEntry* container = findControl(entry.container);
        ASSERT_NE(container, nullptr) << toString(entry.id);
        EXPECT_EQ(container->kind, ControlKind::PictureBox);
        EXPECT_LT(container->number, entry.number);
    }
}

TEST(ControlTable, TabPositionsAreDistinctAndOnlyWhereFocusCanGo) {
    std::vector<int> tabs;
    for (const ControlEntry& entry : controlTable()) {
        if (takesTab(entry.kind)) {
            tabs.push_back(entry.tab);
        } else {
            EXPECT_EQ(entry.tab, ControlEntry::NoTab) << toString(entry.id);
        }
    }
    std::sort(tabs.begin(), tabs.end());
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        EXPECT_EQ(tabs[i], int(i));
    }
}

TEST(ControlTable, EveryPlaceIsAWholePixel) {
    for (const ControlEntry& entry : controlTable()) {
        for (int v : {entry.left, entry.top, entry.width, entry.height, entry.x1, entry.y1,
                      entry.x2, entry.y2}) {
            EXPECT_EQ(v % TwipsPerPixel, 0) << toString(entry.id);
        }
    }
    EXPECT_EQ(form1Settings().clientWidth % TwipsPerPixel, 0);
    EXPECT_EQ(form1Settings().clientHeight % TwipsPerPixel, 0);
}

TEST(ControlTable, CabinStartsAtTheGroundFloor) {
    const ControlEntry* cabin = findControl({"Picture1"});
    ASSERT_NE(cabin, nullptr);
    EXPECT_EQ(cabin->top, 4560);
    EXPECT_EQ(cabinStartTop(), FloorTopTwips[0]);
}

} // namespace
