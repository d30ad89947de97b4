#include "AccessibleTree.h"
#include "ControlTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace controls;

using layout::findControl;
using spoken::accessibleName;

TEST(AccessibleTree, EveryItemIsAControlOfTheWindowAndNamedOnce) {
    std::set<ControlId> seen;
    std::set<std::string> names;
    int buttons = 0;
    for (const spoken::AccessibleItem& item : spoken::readingOrder()) {
        EXPECT_NE(findControl(item.id), nullptr) << toString(item.id);
        EXPECT_TRUE(seen.insert(item.id).second) << toString(item.id) << " twice";
        const std::string name = accessibleName(item.id, nullptr);
        EXPECT_FALSE(name.empty()) << toString(item.id);
        EXPECT_TRUE(names.insert(name).second) << name;
        buttons += item.role == spoken::Role::PushButton;
    }
    EXPECT_EQ(buttons, 12);
}

TEST(AccessibleTree, NamesComeFromCaptionsAsTheyRead) {
    EXPECT_EQ(accessibleName(controls::Form1, nullptr), "Pelmo Lift");
    EXPECT_EQ(accessibleName(controls::Text1, nullptr), "Pushed button - port 155");
    EXPECT_EQ(accessibleName({"Label6"}, nullptr), "Third Floor");
    EXPECT_EQ(accessibleName(controls::command1(9), nullptr), "Call lift to floor 3");
    EXPECT_EQ(accessibleName({"Label5"}, nullptr),
              "Floor Code Bits 00 x x x x x x | | | | | | 5 4 3 2 1 0");
}
