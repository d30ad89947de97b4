#include "RecordingView.h"

#include <optional>

using namespace controls;

namespace {

constexpr const char* TopPrefix = "Top ";

std::optional<int> topOf(const std::string& entry) {
    if (entry.rfind(TopPrefix, 0) != 0 || entry.find("..") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(entry.substr(4));
}

} // namespace

RecordingView::RecordingView() {
    for (int k : {20, 21, 22, 23, 24, 25}) {
        showing[{"Picture2", k}] = k < 21 ? "Picture2(9)" : "square";
    }
    showing[{"d", 0}] = "dig(0)";
}

void RecordingView::setCabinTop(int twips) {
    top = twips;
    positions.push_back(twips);
    timeline.push_back(TopPrefix + std::to_string(twips));
}

void RecordingView::takePicture(ControlId to, ControlId from) {
    showing[{std::string(to.name), to.index}] = toString(from);
    timeline.push_back(toString(to) + " <- " + toString(from));
}

void RecordingView::setText1(const std::string& value) {
    text = value;
    timeline.push_back("Text1 \"" + value + "\"");
}

void RecordingView::setTimer2Interval(int ms) {
    timer2 = ms;
    ++timer2Sets;
    timeline.push_back("Timer2 " + std::to_string(ms));
}

std::function<bool(std::int32_t, std::uint8_t)> RecordingView::portWriter() {
    return [this](std::int32_t port, std::uint8_t value) {
        timeline.push_back("WritePort " + std::to_string(port) + ", " + std::to_string(value) +
                           (portFails ? " failed" : ""));
        if (!portFails) {
            writes.push_back({port, value});
        }
        return !portFails;
    };
}

std::vector<std::string> RecordingView::foldedTimeline() const {
    std::vector<std::string> folded;
    for (std::size_t i = 0; i < timeline.size();) {
        const auto first = topOf(timeline[i]);
        if (!first) {
            folded.push_back(timeline[i++]);
            continue;
        }
        int last = *first;
        int step = 0;
        for (++i; i < timeline.size(); ++i) {
            const auto next = topOf(timeline[i]);
            if (!next || (*next - last != 1 && *next - last != -1) ||
                (step != 0 && *next - last != step)) {
                break;
            }
            step = *next - last;
            last = *next;
        }
        folded.push_back(TopPrefix + std::to_string(*first) + ".." + std::to_string(last));
    }
    return folded;
}
