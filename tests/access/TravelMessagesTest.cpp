#include "AccessibleTree.h"
#include "ControlNames.h"
#include "FloorTable.h"
#include "LiftPanel.h"
#include "ManualClock.h"
#include "SpeakingView.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using namespace controls;
using namespace lift;

using namespace std::chrono_literals;
using spoken::SpeakingView;

namespace {

struct QuietWindow final : PanelView {
    void setCabinTop(int) override {}
    void takePicture(ControlId, ControlId) override {}
    void setText1(const std::string&) override {}
    void setTimer2Interval(int) override {}
};

// Each message with the time it was told, in milliseconds since the call's tick.
struct Told {
    long long ms;
    std::string message;
    friend bool operator==(const Told&, const Told&) = default;
};

void PrintTo(const Told& t, std::ostream* os) {
    *os << t.ms << " ms \"" << t.message << '"';
}

class TravelMessages : public ::testing::Test, private spoken::SpeechListener {
protected:
    TravelMessages() { words.setListener(this); }

    // A click, the tick that takes it up, frames until the cabin has arrived,
    // and two more ticks.
    void call(std::int16_t button, std::chrono::nanoseconds frame = 16ms) {
        told.clear();
        panel.Command1_Click(button);
        start = clock.now();
        panel.Timer1_Timer();
        for (int guard = 0; panel.travelling() && guard < 100000; ++guard) {
            clock.advance(frame);
            panel.advanceTravel();
        }
        ASSERT_FALSE(panel.travelling());
        for (int i = 0; i < 2; ++i) {
            clock.advance(100ms);
            panel.Timer1_Timer();
        }
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> text;
        for (const Told& t : told) {
            text.push_back(t.message);
        }
        return text;
    }

    QuietWindow window;
    ManualClock clock;
    SpeakingView words{window, FloorTopTwips[0]};
    LiftPanel panel{words, clock, FloorTopTwips[0], [](std::int32_t, std::uint8_t) {
                        return true;
                    }};
    std::chrono::nanoseconds start{};
    std::vector<Told> told;
    std::vector<ControlId> changes;

private:
    void announce(const std::string& message) override {
        const auto since =
            std::chrono::duration_cast<std::chrono::milliseconds>(clock.now() - start);
        told.push_back({since.count(), message});
    }
    void wordsChanged(ControlId id) override { changes.push_back(id); }
};

TEST_F(TravelMessages, GroundToThirdIsToldAtDepartureAtEachFloorPassedAndAtArrival) {
    // One pixel a frame: floor 1 is 960 twips up (1.067 s), floor 2 1800
    // (2.0 s), floor 3 2640 (2.933 s); each is told at the first frame that
    // reaches it.
    call(9, 1ms);
    EXPECT_EQ(told, (std::vector<Told>{{0, "Going up to floor 3"},
                                       {1067, "Passing floor 1"},
                                       {2000, "Passing floor 2"},
                                       {2934, "Arrived at floor 3"}}));
    EXPECT_EQ(words.place(), "At floor 3");
    EXPECT_EQ(spoken::accessibleName(controls::Picture1, &words), "Cabin at floor 3");
}

TEST_F(TravelMessages, LongFramesStillTellEachFloorOnce) {
    call(5, 250ms); // several floors' positions can fall within one frame
    EXPECT_EQ(messages(), (std::vector<std::string>{"Going up to floor 5", "Passing floor 1",
                                                    "Passing floor 2", "Passing floor 3",
                                                    "Passing floor 4", "Arrived at floor 5"}));
    call(6);
    EXPECT_EQ(messages().front(), "Going down to the ground floor");
    EXPECT_EQ(messages().back(), "Arrived at the ground floor");
    EXPECT_EQ(messages().size(), 6U);
}

TEST_F(TravelMessages, CallForTheFloorTheCabinStandsAtIsToldOnce) {
    call(2);
    call(8);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Already at floor 2"}));
    EXPECT_EQ(words.place(), "At floor 2");
}

TEST_F(TravelMessages, NothingIsToldBetweenTravelsOrWhileTheCabinIsBetweenFloors) {
    call(1);
    told.clear();
    for (int i = 0; i < 20; ++i) {
        clock.advance(100ms);
        panel.Timer1_Timer();
    }
    EXPECT_TRUE(told.empty());

    panel.Command1_Click(4);
    panel.Timer1_Timer();
    clock.advance(500ms);
    panel.advanceTravel();
    EXPECT_EQ(words.place(), "Going up to floor 4");
    EXPECT_EQ(messages(), (std::vector<std::string>{"Going up to floor 4"}));
}

TEST_F(TravelMessages, LampsAndDigitSayWhatTheyShow) {
    EXPECT_EQ(spoken::accessibleName(controls::lamp(0), &words),
              "Ground floor lamp, red: no call yet");
    EXPECT_EQ(spoken::accessibleName(controls::lamp(1), &words),
              "Floor 1 lamp, blue on grey: no call yet");

    panel.Command1_Click(3);
    panel.Timer1_Timer();
    EXPECT_EQ(spoken::accessibleName(controls::lamp(4), &words),
              "Floor 4 lamp, red: the lift is moving");
    while (panel.travelling()) {
        clock.advance(100ms);
        panel.advanceTravel();
    }
    EXPECT_EQ(spoken::accessibleName(controls::lamp(3), &words),
              "Floor 3 lamp, blue: the lift stopped here");
    EXPECT_EQ(spoken::accessibleName(controls::lamp(0), &words),
              "Ground floor lamp, white: the lift is not here");
    // The digit follows at the next tick, as the window shows it.
    EXPECT_EQ(spoken::accessibleName(controls::FloorDigit, &words), "Floor display: 0");
    changes.clear();
    panel.Timer1_Timer();
    EXPECT_EQ(spoken::accessibleName(controls::FloorDigit, &words), "Floor display: 3");
    EXPECT_EQ(changes, (std::vector<ControlId>{controls::FloorDigit}));
}

TEST(CalledFloor, IsTheHighestBitOfTheCodeText) {
    EXPECT_EQ(spoken::calledFloor("0 0 001000"), 3);
    EXPECT_EQ(spoken::calledFloor("0 0 100001"), 5);
    EXPECT_EQ(spoken::calledFloor("0 0 000000"), std::nullopt);
    EXPECT_EQ(spoken::calledFloor(""), std::nullopt);
}

} // namespace
