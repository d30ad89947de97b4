#include "PortRules.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr std::nullopt_t Absent = std::nullopt;

TEST(PortRules, AcceptsZeroAndSingleFloorBitsOnly) {
    for (int v = 0; v < 256; ++v) {
        const bool single = v == 1 || v == 2 || v == 4 || v == 8 || v == 16 || v == 32;
        EXPECT_EQ(PortRules::validValue(static_cast<std::uint8_t>(v)), v == 0 || single) << v;
    }
    PortRules rules(300);
    rules.observe(300, 8);
    rules.observe(300, 0);
    EXPECT_TRUE(rules.passed());
    rules.observe(300, 3); // two latches at once
    EXPECT_FALSE(rules.passed());
}

TEST(PortRules, AbsentFileMayAppearEmptyThenMustStayAt56Bytes) {
    PortRules rules(Absent);
    rules.observe(Absent, Absent);
    rules.observe(0, Absent); // created, not yet written
    rules.observe(56, 0);
    rules.observe(56, 16);
    EXPECT_TRUE(rules.passed());
    EXPECT_EQ(rules.valueReads(), 2);
    EXPECT_EQ(rules.counts()[16], 1);

    PortRules shrunk(Absent);
    shrunk.observe(56, 0);
    shrunk.observe(0, Absent); // truncated after the first write
    EXPECT_FALSE(shrunk.passed());

    PortRules vanished(Absent);
    vanished.observe(56, 0);
    vanished.observe(Absent, Absent);
    EXPECT_FALSE(vanished.passed());

    PortRules grown(Absent);
    grown.observe(57, 0);
    EXPECT_FALSE(grown.passed());
}

TEST(PortRules, ExistingFileKeepsItsLengthThroughout) {
    PortRules rules(300);
    rules.observe(300, 0);
    EXPECT_TRUE(rules.passed());
    rules.observe(56, 0);
    rules.observe(Absent, Absent);
    ASSERT_EQ(rules.faults().size(), 2u);
    EXPECT_NE(rules.faults()[0].find("56 bytes, not 300"), std::string::npos);
    EXPECT_NE(rules.faults()[1].find("vanished"), std::string::npos);
}

TEST(PortRules, ListsAFewFaultsNotMillions) {
    PortRules rules(300);
    for (int i = 0; i < 10000; ++i) {
        rules.observe(300, 255);
    }
    EXPECT_EQ(rules.reads(), 10000);
    EXPECT_LE(rules.faults().size(), 21u);
}

} // namespace
