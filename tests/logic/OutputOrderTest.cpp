// The order of everything the panel does to the window and the port, across
// kinds: what a tick shows and writes, when the cabin moves, how the lamps
// change around a travel, and what a click made meanwhile leads to.
#include "LiftPanelFixture.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

using Timeline = std::vector<std::string>;

Timeline operator+(Timeline a, const Timeline& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Every lamp given the picture of template `from`, lamp 20 to 25.
Timeline allLamps(int from) {
    Timeline entries;
    for (int k = 20; k <= 25; ++k) {
        entries.push_back("Picture2(" + std::to_string(k) + ") <- Picture2(" +
                          std::to_string(from) + ")");
    }
    return entries;
}

// Timer2 takes its interval once: at the end of the first tick, or at the
// first step of a travel when the first tick starts one. Set again, the
// same interval would change nothing.
const Timeline Timer2Set{"Timer2 50000"};

// A tick with no travel to start: digit, code text, port.
Timeline quietTick(int floor, const std::string& text, int code) {
    return {"d(0) <- dig(" + std::to_string(floor) + ")", "Text1 \"" + text + "\"",
            "WritePort 155, " + std::to_string(code)};
}

// The cabin's positions from `fromTop` to `toTop`.
Timeline steps(int fromTop, int toTop) {
    return {"Top " + std::to_string(fromTop) + ".." + std::to_string(toTop)};
}

// The steps of the first travel, with Timer2 set after the first of them.
Timeline firstSteps(int fromTop, int toTop) {
    const int next = fromTop + (toTop > fromTop ? 1 : -1);
    return steps(fromTop, fromTop) + Timer2Set + steps(next, toTop);
}

// A tick that starts a travel, and the travel: the code is on the port before
// the lamps turn red and the cabin leaves; all lamps white, then the target's
// blue, once it has arrived; then the tick ends.
Timeline travellingTick(int floor, const std::string& text, int code, const Timeline& travel,
                        int target) {
    return quietTick(floor, text, code) + allLamps(9) + travel + allLamps(11) +
           Timeline{"Picture2(" + std::to_string(20 + target) + ") <- Picture2(10)"};
}

using OutputOrder = LiftPanelFixture;

TEST_F(OutputOrder, PressIsPublishedThenTravelledThenShown) {
    panel.Timer1_Timer();
    panel.Command1_Click(9); // floor 3, from beside the floor
    panel.Timer1_Timer();
    travelToTheEnd();
    EXPECT_EQ(panel.state().Request, (std::array<std::int16_t, 6>{}));
    EXPECT_EQ(panel.state().CurrentFloor, 0) << "the travel leaves the floor to the next tick";
    panel.Timer1_Timer();
    EXPECT_EQ(panel.state().CurrentFloor, 3);

    EXPECT_EQ(view.foldedTimeline(), quietTick(0, "", 0) + Timer2Set +
                                         travellingTick(0, "0 0 001000", 8, steps(4560, 1920), 3) +
                                         quietTick(3, "0 0 001000", 0));
}

TEST_F(OutputOrder, ClickDuringATravelIsServedByTheNextTickAfterIt) {
    panel.Command1_Click(4);
    panel.Timer1_Timer();
    clock.advance(500ms);
    panel.advanceTravel();
    panel.Command1_Click(7); // floor 1, while the cabin is on its way up
    panel.Timer1_Timer();    // fell due meanwhile: nothing at all
    travelToTheEnd();
    panel.Timer1_Timer();
    travelToTheEnd();

    // The travel's end clears the latches before the waiting click sets its
    // own: the next tick publishes floor 1 and takes the cabin down there.
    EXPECT_EQ(view.foldedTimeline(),
              travellingTick(0, "0 0 010000", 16, firstSteps(4560, 1080), 4) +
                  travellingTick(4, "0 0 000010", 2, steps(1080, 3600), 1));
}

TEST_F(OutputOrder, CallToTheCurrentFloorSetsOnePositionBetweenTheLamps) {
    callAndArrive(2);
    view.timeline.clear();
    panel.Command1_Click(8);
    panel.Timer1_Timer();

    EXPECT_FALSE(panel.travelling()) << "a one-position travel ends at once";
    EXPECT_EQ(view.foldedTimeline(), travellingTick(2, "0 0 000100", 4, steps(2760, 2760), 2));
    EXPECT_EQ(panel.state().Request, (std::array<std::int16_t, 6>{}));
}

// The port fails for a moment over the tick that carries a call to the fifth
// floor: each frame tries the code again, the first success ends the retries,
// and the travel, its pace and the next tick's 0 go on as ever.
TEST_F(OutputOrder, CodeThatCouldNotBeWrittenIsWrittenOnceDuringTheTravel) {
    panel.Command1_Click(11);
    view.portFails = true;
    panel.Timer1_Timer();
    for (int frame = 0; frame < 3; ++frame) {
        if (frame == 2) {
            view.portFails = false;
        }
        clock.advance(16ms);
        panel.advanceTravel();
    }
    travelToTheEnd();
    panel.Timer1_Timer();

    // 16 ms frames: positions up to 14, 28 and 43 twips on fall due.
    const std::string failed = "WritePort 155, 32 failed";
    const Timeline expected = Timeline{"d(0) <- dig(0)", "Text1 \"0 0 100000\"", failed} +
                              allLamps(9) + steps(4560, 4560) + Timer2Set +
                              Timeline{failed,           "Top 4559..4546",    failed,
                                       "Top 4545..4532", "WritePort 155, 32", "Top 4531..240"} +
                              allLamps(11) + Timeline{"Picture2(25) <- Picture2(10)"} +
                              quietTick(5, "0 0 100000", 0);
    EXPECT_EQ(view.foldedTimeline(), expected);
}

// A port that stays unwritable: tried at every frame of the travel and never
// after it; a call for the cabin's own floor has no frame to try again in.
TEST_F(OutputOrder, CodeStillUnwritableWhenTheTravelEndsIsGivenUp) {
    panel.Command1_Click(3);
    view.portFails = true;
    panel.Timer1_Timer();
    travelToTheEnd(100ms); // 2640 twips: 2.93 s, 30 frames
    const auto arrived = view.timeline.size();
    panel.Timer1_Timer();
    panel.Command1_Click(3);
    panel.Timer1_Timer(); // the cabin's own floor: one position, no frame
    view.portFails = false;
    panel.Timer1_Timer();

    EXPECT_EQ(std::count(view.timeline.begin(), view.timeline.end(), "WritePort 155, 8 failed"),
              1 + 30 + 1);
    const Timeline afterTravel(view.timeline.begin() + static_cast<std::ptrdiff_t>(arrived),
                               view.timeline.end());
    const Timeline expected =
        Timeline{"d(0) <- dig(3)", "Text1 \"0 0 001000\"", "WritePort 155, 0 failed",
                 "d(0) <- dig(3)", "Text1 \"0 0 001000\"", "WritePort 155, 8 failed"} +
        allLamps(9) + Timeline{"Top 1920"} + allLamps(11) +
        Timeline{"Picture2(23) <- Picture2(10)"} + quietTick(3, "0 0 001000", 0);
    EXPECT_EQ(afterTravel, expected);
}

} // namespace
