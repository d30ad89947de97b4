#pragma once

#include "SpeechListener.h"

#include <windows.h>

#include <string>

// Tells Windows' assistive technology what the panel's words say. The cabin is
// the status object: a message becomes its value, raised as a change of value
// and of a live region (which NVDA and Narrator read), and as a UI Automation
// notification where Windows has them (10 version 1709 on; looked up when the
// program runs). A control whose words changed raises a change of name.
class WindowSpeech final : public spoken::SpeechListener {
public:
    explicit WindowSpeech(HWND form);
    WindowSpeech(const WindowSpeech&) = delete;
    WindowSpeech& operator=(const WindowSpeech&) = delete;

    // The last message told, the cabin's value.
    const std::wstring& lastMessage() const { return last_; }

    // Marks the cabin a polite live region, where the system takes the mark
    // (Windows 8 on); silent elsewhere. Also looks up UI Automation now, once
    // the window is up, rather than at a travel's first step.
    void markPolite(HWND cabin) const;

    void announce(const std::string& message) override;
    void wordsChanged(controls::ControlId id) override;

private:
    void notifyAutomation(HWND cabin, const std::wstring& message) const;

    HWND form_;
    std::wstring last_;
};
