#include "LiftPanelFixture.h"

#include <numeric>

using namespace lift;

using namespace std::chrono_literals;

namespace {

using LiftPanelTest = LiftPanelFixture;

TEST_F(LiftPanelTest, IdleTicksShowGroundFloorAndWriteZero) {
    // Wherever the window opens with the cabin, no floor matches before a travel.
    LiftPanel between(view, clock, 1234, view.portWriter());
    for (int i = 0; i < 3; ++i) {
        between.Timer1_Timer();
    }
    EXPECT_EQ(between.state().CabinTop, 1234.0f);
    EXPECT_EQ(between.state().CurrentFloor, 0);
    EXPECT_EQ(view.digit(), "dig(0)");
    EXPECT_EQ(view.text, ""); // the design-time text gives way to the empty code text
    EXPECT_EQ(view.writes, (std::vector<PortWrite>(3, {155, 0})));
    EXPECT_EQ(view.timer2, 50000);
    EXPECT_EQ(view.timer2Sets, 1) << "the same interval again changes nothing";
    EXPECT_TRUE(view.positions.empty());
}

TEST_F(LiftPanelTest, CabinAndFloorButtonsLatchTheSameFloorAndOnlyTheLastPress) {
    panel.Command1_Click(2);
    const PanelState fromCabin = panel.state();
    panel.Command1_Click(5);
    panel.Command1_Click(8);
    EXPECT_EQ(panel.state().Request, fromCabin.Request);
    EXPECT_EQ(panel.state().BitText, fromCabin.BitText);
    EXPECT_EQ(panel.state().Request, (std::array<std::int16_t, 6>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(panel.state().BitText, (std::array<std::string, 6>{"0", "0", "1", "0", "0", "0"}));

    panel.Command1_Click(-1);
    panel.Command1_Click(12);
    EXPECT_EQ(panel.state().Request, fromCabin.Request) << "unknown buttons change nothing";
}

TEST_F(LiftPanelTest, EveryPositionIsSetOnceInOrderEvenWhenFramesComeLate) {
    panel.Command1_Click(5);
    panel.Timer1_Timer();
    EXPECT_EQ(lastWrite(), 32);
    EXPECT_EQ(view.text, "0 0 100000");

    clock.advance(2s); // a stalled window: the cabin catches up, skipping nothing
    panel.advanceTravel();
    EXPECT_EQ(view.positions.size(), 1801u);
    travelToTheEnd(250ms);

    std::vector<int> expected(4321);
    std::iota(expected.rbegin(), expected.rend(), 240); // 4560, 4559, ... 240
    EXPECT_EQ(view.positions, expected);
    EXPECT_EQ(panel.state().Picture1Top, 240);
    EXPECT_EQ(view.timer2, 50000);
    EXPECT_EQ(view.timer2Sets, 1) << "Timer2 takes its interval once, not at every twip";
}

TEST_F(LiftPanelTest, GroundToFifthTakesFourPointEightSeconds) {
    panel.Command1_Click(5);
    panel.Timer1_Timer();
    clock.advance(4799ms);
    panel.advanceTravel();
    EXPECT_TRUE(panel.travelling());
    clock.advance(1ms);
    panel.advanceTravel();
    EXPECT_FALSE(panel.travelling());
}

TEST_F(LiftPanelTest, TellsWhenTheCabinIsDueAPixelFurther) {
    EXPECT_EQ(panel.untilAhead(15), 0ns) << "no travel, nothing to wait for";
    panel.Command1_Click(1); // 961 positions, from 4560 up to 3600
    panel.Timer1_Timer();
    EXPECT_EQ(panel.untilAhead(15), 16'666'667ns);

    clock.advance(16'666'667ns);
    panel.advanceTravel();
    EXPECT_EQ(view.positions.back(), 4560 - 15) << "woken then, the cabin is a pixel on";
    EXPECT_EQ(panel.untilAhead(15), 16'666'667ns);
    clock.advance(1s);
    EXPECT_EQ(panel.untilAhead(15), 0ns) << "already due";

    clock.advance(-1s + 1'043'333'333ns); // 1.06 s in: only the last position is left
    panel.advanceTravel();
    EXPECT_EQ(panel.untilAhead(15), 6'666'667ns);
}

TEST_F(LiftPanelTest, GoingDownStepsTowardsLargerTops) {
    callAndArrive(4);
    ASSERT_EQ(panel.state().CurrentFloor, 4);
    view.positions.clear();

    panel.Command1_Click(7); // floor 1
    panel.Timer1_Timer();
    EXPECT_EQ(lastWrite(), 2);
    travelToTheEnd();
    ASSERT_EQ(view.positions.size(), 2521u);
    EXPECT_EQ(view.positions.front(), 1080);
    EXPECT_EQ(view.positions[1], 1081);
    EXPECT_EQ(view.positions.back(), 3600);
}

TEST_F(LiftPanelTest, FirstTravelStartsFromTheTablePositionOfTheCurrentFloor) {
    LiftPanel between(view, clock, 3000, view.portWriter()); // somewhere between floors
    between.Command1_Click(1);
    between.Timer1_Timer();
    EXPECT_EQ(view.positions.front(), 4560);
}

TEST_F(LiftPanelTest, NothingElseHappensDuringATravel) {
    panel.Command1_Click(4);
    panel.Timer1_Timer();
    const std::size_t writesAtStart = view.writes.size();

    clock.advance(500ms);
    panel.advanceTravel();
    panel.Timer1_Timer(); // fell due meanwhile: dropped, never made up
    panel.Command1_Click(1);
    panel.Timer1_Timer();
    panel.Command1_Click(0); // the last click made during the travel wins
    panel.Timer2_Timer();

    EXPECT_EQ(view.writes.size(), writesAtStart) << "no port write while the cabin travels";
    EXPECT_EQ(panel.state().Request, (std::array<std::int16_t, 6>{0, 0, 0, 0, 1, 0}));

    travelToTheEnd();
    EXPECT_EQ(view.lamp(4), "Picture2(10)");
    EXPECT_EQ(panel.state().Request, (std::array<std::int16_t, 6>{1, 0, 0, 0, 0, 0}))
        << "clicks made during the travel are served after it";
    EXPECT_EQ(view.writes.size(), writesAtStart) << "only the next tick publishes them";

    panel.Timer1_Timer();
    EXPECT_EQ(view.writes.back(), (PortWrite{155, 1}));
    EXPECT_EQ(panel.state().CurrentFloor, 4);
    EXPECT_TRUE(panel.travelling());
}

TEST_F(LiftPanelTest, TypedTextIsReplacedByTheCodeAtTheNextTick) {
    callAndArrive(0);
    EXPECT_EQ(view.text, "0 0 000001");
    view.text = "typed by the user";
    panel.Timer1_Timer();
    EXPECT_EQ(view.text, "0 0 000001");
}

} // namespace
