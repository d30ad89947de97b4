#include "SpeakingView.h"

#include "ControlNames.h"

#include <algorithm>

using namespace controls;
using namespace lift;

namespace spoken {

std::optional<int> floorAt(int cabinTop) {
    const auto* at = std::find(FloorTopTwips.begin(), FloorTopTwips.end(), cabinTop);
    if (at == FloorTopTwips.end()) {
        return std::nullopt;
    }
    return static_cast<int>(at - FloorTopTwips.begin());
}

std::optional<int> calledFloor(const std::string& codeText) {
    // The last six characters are the bits of floors 5 down to 0.
    if (codeText.size() < FloorCount) {
        return std::nullopt;
    }
    const std::string bits = codeText.substr(codeText.size() - FloorCount);
    for (int f = FloorCount - 1; f >= 0; --f) {
        if (bits[static_cast<std::size_t>(FloorCount - 1 - f)] == '1') {
            return f;
        }
    }
    return std::nullopt;
}

SpeakingView::SpeakingView(PanelView& next, int cabinTop)
    : next_(next)
    , cabinTop_(cabinTop) {}

void SpeakingView::setCabinTop(int twips) {
    const int previous = cabinTop_;
    cabinTop_ = twips;
    next_.setCabinTop(twips);
    if (travel_) {
        followTravel(previous);
    }
}

void SpeakingView::takePicture(ControlId to, ControlId from) {
    next_.takePicture(to, from);

    if (to == controls::FloorDigit) {
        const int shown = from.index;
        if (from.name == controls::digit(0).name && shown != digit_) {
            digit_ = shown;
            changed(to);
        }
        return;
    }
    for (int f = 0; f < FloorCount; ++f) {
        if (to != controls::lamp(f)) {
            continue;
        }
        const LampLook look = from == controls::RedLamp     ? LampLook::Red
                              : from == controls::BlueLamp  ? LampLook::Blue
                              : from == controls::WhiteLamp ? LampLook::White
                                                            : lamps_[f];
        if (look == LampLook::Red && !travel_) {
            beginTravel();
        }
        if (look != lamps_[f]) {
            lamps_[f] = look;
            changed(to);
        }
        if (look == LampLook::Blue && travel_) {
            endTravel(f);
        }
    }
}

void SpeakingView::setText1(const std::string& text) {
    codeText_ = text;
    next_.setText1(text);
}

void SpeakingView::setTimer2Interval(int milliseconds) {
    next_.setTimer2Interval(milliseconds);
}

std::string SpeakingView::place() const {
    if (travel_ && travel_->up && travel_->destination) {
        return placeGoing(*travel_->up, *travel_->destination);
    }
    if (const auto floor = floorAt(cabinTop_)) {
        return placeAt(*floor);
    }
    return "Between floors";
}

void SpeakingView::beginTravel() {
    travel_.emplace(Travel{calledFloor(codeText_), std::nullopt, std::nullopt, false});
}

void SpeakingView::followTravel(int previousTop) {
    Travel& t = *travel_;
    if (!t.from) {
        // The travel's first position is always its start floor's.
        t.from = floorAt(cabinTop_);
        if (t.from && t.destination) {
            t.told = true;
            if (*t.from == *t.destination) {
                tell(alreadyThereMessage(*t.from));
            } else {
                t.up = *t.destination > *t.from;
                changed(controls::Picture1);
                tell(departureMessage(*t.up, *t.destination));
            }
        }
        return;
    }
    // Positions may come several at once: a floor counts as passed when the
    // cabin reaches it or moves beyond it.
    const int low = std::min(previousTop, cabinTop_);
    const int high = std::max(previousTop, cabinTop_);
    for (int f = 0; f < FloorCount; ++f) {
        const int top = FloorTopTwips[f];
        const bool between = top != previousTop && top >= low && top <= high;
        if (between && f != *t.from && t.destination && f != *t.destination) {
            tell(passingMessage(f));
        }
    }
}

void SpeakingView::endTravel(int floor) {
    const Travel ended = *travel_;
    travel_.reset();
    changed(controls::Picture1);
    const bool toldAlready = ended.told && ended.from == floor && ended.destination == floor;
    if (!toldAlready) {
        tell(arrivalMessage(floor));
    }
}

void SpeakingView::tell(const std::string& message) {
    if (listener_) {
        listener_->announce(message);
    }
}

void SpeakingView::changed(ControlId id) {
    if (listener_) {
        listener_->wordsChanged(id);
    }
}

} // namespace spoken
