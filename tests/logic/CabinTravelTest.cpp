#include "CabinTravel.h"

#include <gtest/gtest.h>

using namespace lift;

using namespace std::chrono_literals;

TEST(CabinTravel, CountsBothEndsOfTheRun) {
    EXPECT_EQ(CabinTravel(4560, 240, -1).positionCount(), 4321);
    EXPECT_EQ(CabinTravel(1080, 1920, 1).positionCount(), 841);
    EXPECT_EQ(CabinTravel(4560, 3600, -1).positionCount(), 961);
    EXPECT_EQ(CabinTravel(1920, 1920, -1).positionCount(), 1);
    EXPECT_EQ(CabinTravel(4560, 240, -1).position(1), 4559);
    EXPECT_EQ(CabinTravel(1080, 3600, 1).position(2520), 3600);
}

TEST(CabinTravel, KeepsNineHundredTwipsASecond) {
    const CabinTravel groundToFifth(4560, 240, -1);
    EXPECT_EQ(groundToFifth.duration(), 4800ms);
    EXPECT_EQ(groundToFifth.dueAfter(0ns), 1);
    EXPECT_EQ(groundToFifth.dueAfter(-5ms), 1);
    EXPECT_EQ(groundToFifth.dueAfter(1s), 901);
    EXPECT_EQ(groundToFifth.dueAfter(4799ms), 4320);
    EXPECT_EQ(groundToFifth.dueAfter(4800ms), 4321);
    EXPECT_EQ(groundToFifth.dueAfter(10h), 4321);

    // Neighbours 840 twips apart take about 0.93 s.
    EXPECT_EQ(CabinTravel(2760, 1920, -1).duration(), 933'333'333ns);
}

TEST(CabinTravel, PositionFallsDueAtTheFirstInstantItIsCounted) {
    const CabinTravel travel(4560, 240, -1);
    for (int i : {0, 1, 14, 15, 900, 4320}) {
        EXPECT_EQ(travel.dueAfter(travel.dueAt(i)), i + 1) << i;
        if (i > 0) {
            EXPECT_EQ(travel.dueAfter(travel.dueAt(i) - 1ns), i) << i;
        }
    }
}
