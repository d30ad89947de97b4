#include "FrameTimer.h"

#include <mmsystem.h>

namespace {

constexpr UINT ResolutionMs = 1;

} // namespace

FrameTimer::FrameTimer(HWND target, UINT message)
    : target_(target)
    , message_(message) {}

void CALLBACK FrameTimer::fire(UINT, UINT, DWORD_PTR self, DWORD_PTR, DWORD_PTR) {
    const auto* timer = reinterpret_cast<const FrameTimer*>(self);
    PostMessageW(timer->target_, timer->message_, 0, 0);
}

FrameTimer::~FrameTimer() {
    cancel();
}

UINT FrameTimer::delayMs(std::chrono::nanoseconds wait) {
    const long long ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
    return ms < 1 ? 1 : static_cast<UINT>(ms);
}

void FrameTimer::arm(std::chrono::nanoseconds wait) {
    cancel();
    // A pending event is killed, waiting for a callback under way, before this
    // timer goes; one that has fired has ended by itself.
    event_ = timeSetEvent(delayMs(wait), ResolutionMs, fire, reinterpret_cast<DWORD_PTR>(this),
                          TIME_ONESHOT | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
}

void FrameTimer::cancel() {
    if (event_ != 0) {
        timeKillEvent(event_); // harmless when it has fired already
        event_ = 0;
    }
}
