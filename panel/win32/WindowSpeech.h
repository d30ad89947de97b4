#pragma once

#include "SpeechListener.h"
#include "StatusMessages.h"
#include "UiaNotification.h"

#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <string>

// Tells Windows' assistive technology what the panel's words say. A status
// message is the name of an element of the cabin's object (the cabin itself
// keeps saying where it is) and goes out by one route, so that a screen
// reader that follows both routes says it once: as a UI Automation
// notification where the system has them, else as a live-region change of
// that element, which NVDA reads by its name and Narrator by its polite
// mark. A control whose words changed raises a change of name.
class WindowSpeech final : public spoken::SpeechListener {
public:
    explicit WindowSpeech(HWND form);
    WindowSpeech(const WindowSpeech&) = delete;
    WindowSpeech& operator=(const WindowSpeech&) = delete;

    // The message a child id of the cabin's object stands for; null for none.
    const std::wstring* message(LONG child) const { return messages_.find(child); }

    // Once the window is up: messages go out as `notification`s from now on,
    // or, without one, as live-region changes, marked polite where the system
    // takes the mark (Windows 8 on).
    void prepare(const UiaNotification* notification);

    void announce(const std::string& message) override;
    void wordsChanged(controls::ControlId id) override;

private:
    HWND cabin() const;
    void markPolite(HWND cabin, const StatusMessages::Added& added) const;

    HWND form_;
    StatusMessages messages_;
    const UiaNotification* notification_ = nullptr;
    Microsoft::WRL::ComPtr<IAccPropServices> marks_;
};
