#pragma once

#include "FloorTable.h"
#include "PanelView.h"
#include "PanelWords.h"
#include "SpeechListener.h"

#include <array>
#include <optional>
#include <string>

namespace spoken {

// Stands between the handlers and a window, passes on everything asked of
// the window, and keeps in words what the window shows: where the cabin is,
// the digit, each lamp. It follows only what the handlers show, so it sees a
// travel as they draw it: the six lamps turning red (the call's code already
// shown in `Text1`), the cabin's positions one twip at a time, and the blue
// lamp of the floor it came to.
//
// Status messages go to the listener as they happen: one at departure, at
// most one for each floor passed, one at arrival; a call for the floor the
// cabin stands at is told once. Nothing after the arrival.
class SpeakingView final : public lift::PanelView {
public:
    // `cabinTop`: where the window opens with the cabin, in twips.
    SpeakingView(lift::PanelView& next, int cabinTop);

    void setListener(SpeechListener* listener) { listener_ = listener; }

    // PanelView
    void setCabinTop(int twips) override;
    void takePicture(controls::ControlId to, controls::ControlId from) override;
    void setText1(const std::string& text) override;
    void setTimer2Interval(int milliseconds) override;

    // "At floor 3", "Going down to the ground floor".
    std::string place() const;
    int digit() const { return digit_; }
    LampLook lamp(int floor) const { return lamps_.at(floor); }
    bool travelling() const { return travel_.has_value(); }
    const std::string& codeText() const { return codeText_; }

private:
    struct Travel {
        std::optional<int> destination; // from the call's code, when it shows one
        std::optional<int> from;        // known at the first position
        std::optional<bool> up;
        bool told = false; // the departure (or "already there") was told
    };

    void beginTravel();
    void followTravel(int previousTop);
    void endTravel(int floor);
    void tell(const std::string& message);
    void changed(controls::ControlId id);

    lift::PanelView& next_;
    SpeechListener* listener_ = nullptr;
    int cabinTop_;
    int digit_ = 0;
    // As the window opens: the ground floor's lamp red, the others square.
    std::array<LampLook, controls::FloorCount> lamps_{LampLook::Red,    LampLook::Square,
                                                      LampLook::Square, LampLook::Square,
                                                      LampLook::Square, LampLook::Square};
    std::string codeText_;
    std::optional<Travel> travel_;
};

// The floor at which a cabin top stands, if it stands at one.
std::optional<int> floorAt(int cabinTop);

// The floor a code text calls ("0 0 001000" calls floor 3): its highest set
// bit, as the travel takes it; nothing when it calls none.
std::optional<int> calledFloor(const std::string& codeText);

} // namespace spoken
