#pragma once

#include "MonotonicClock.h"
#include "PanelView.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A window that remembers what the panel asked of it: which box shows whose
// picture, every cabin position in order, the text and Timer2's interval.
class RecordingView final : public PanelView {
public:
    RecordingView() {
        for (int k : {20, 21, 22, 23, 24, 25}) {
            showing[{"Picture2", k}] = k < 21 ? "Picture2(9)" : "square";
        }
        showing[{"d", 0}] = "dig(0)";
    }

    int cabinTop() const override { return top; }
    void setCabinTop(int twips) override {
        top = twips;
        positions.push_back(twips);
    }
    void takePicture(ControlId to, ControlId from) override {
        showing[{std::string(to.name), to.index}] =
            std::string(from.name) + "(" + std::to_string(from.index) + ")";
    }
    void setText1(const std::string& value) override { text = value; }
    void setTimer2Interval(int ms) override {
        timer2 = ms;
        ++timer2Sets;
    }

    std::string lamp(int floor) const { return showing.at({"Picture2", 20 + floor}); }
    std::string digit() const { return showing.at({"d", 0}); }

    int top = 4560;
    std::vector<int> positions;
    std::map<std::pair<std::string, int>, std::string> showing;
    std::string text = "Port 155 to prog";
    int timer2 = 10000;
    int timer2Sets = 0;
};

class ManualClock final : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return time; }
    void advance(std::chrono::nanoseconds by) { time += by; }

    std::chrono::nanoseconds time{1'000'000'000};
};

struct PortWrite {
    std::int32_t port;
    std::uint8_t value;
    friend bool operator==(const PortWrite&, const PortWrite&) = default;
};
