#pragma once

#include "PanelView.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct PortWrite {
    std::int32_t port;
    std::uint8_t value;
    friend bool operator==(const PortWrite&, const PortWrite&) = default;
};

// A window that remembers what the panel asked of it: which box shows whose
// picture, every cabin position in order, the text and Timer2's interval;
// and, given as the panel's port writer, every port write. Each call of either
// also goes on one timeline, in the order the panel made them.
class RecordingView final : public lift::PanelView {
public:
    RecordingView();

    void setCabinTop(int twips) override;
    void takePicture(controls::ControlId to, controls::ControlId from) override;
    void setText1(const std::string& value) override;
    void setTimer2Interval(int ms) override;

    // Records the writes on the timeline: "WritePort 155, 8", or "WritePort
    // 155, 8 failed" while `portFails` is set; only those that succeed go
    // into `writes`.
    std::function<bool(std::int32_t, std::uint8_t)> portWriter();

    std::string lamp(int floor) const { return showing.at({"Picture2", 20 + floor}); }
    std::string digit() const { return showing.at({"d", 0}); }

    // The timeline with each run of travel steps folded into one entry,
    // "Top 4560..1920": positions one twip apart, all the same way. Anything
    // else in a run breaks it.
    std::vector<std::string> foldedTimeline() const;

    int top = 4560; // where the cabin was last put
    std::vector<int> positions;
    std::map<std::pair<std::string, int>, std::string> showing;
    std::string text = "Port 155 to prog";
    int timer2 = 10000;
    int timer2Sets = 0;
    std::vector<PortWrite> writes;
    bool portFails = false;
    std::vector<std::string> timeline; // "Top 4560", "Picture2(20) <- Picture2(9)", ...
};
