#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

// UI Automation's notification: a message of its own, which a screen reader
// speaks as it comes. Its functions are looked up when the program runs, so
// that the program still starts where the system has none.
struct UiaNotification {
    HRESULT(WINAPI* hostProvider)(HWND, IUnknown**) = nullptr;
    HRESULT(WINAPI* raise)(IUnknown*, int kind, int processing, BSTR text, BSTR activity) = nullptr;
};

// The system's, where it delivers notifications: Windows 10 version 1709 on.
// Null elsewhere, and under Wine, whose function is a stub that tells no one.
const UiaNotification* systemNotification();

// Raises `message` about `window`, queued behind what is being read; false if
// it did not go out.
bool notify(const UiaNotification& notification, HWND window, const std::wstring& message);
