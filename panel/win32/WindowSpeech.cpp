#include "WindowSpeech.h"

#include "AccessibleTree.h"
#include "PanelWindow.h"
#include "WideText.h"

#include <oleacc.h>
#include <wrl/client.h>

using namespace controls;

namespace {

// From the Windows 8 headers, which a program built for Windows 7 does not see.
constexpr DWORD EventObjectLiveRegionChanged = 0x8019;
constexpr GUID LiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long LiveSettingPolite = 1;
// UI Automation's NotificationKind_Other and NotificationProcessing_All: a
// message of its own, queued behind what is being read.
constexpr int NotificationKindOther = 4;
constexpr int NotificationProcessingAll = 2;

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

struct Automation {
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raiseNotification = nullptr;
};

const Automation& automation() {
    static const Automation found = [] {
        Automation a;
        if (HMODULE library = LoadLibraryW(L"uiautomationcore.dll")) {
            a.hostProvider = reinterpret_cast<HostProviderFromHwnd>(
                reinterpret_cast<void*>(GetProcAddress(library, "UiaHostProviderFromHwnd")));
            a.raiseNotification = reinterpret_cast<RaiseNotificationEvent>(
                reinterpret_cast<void*>(GetProcAddress(library, "UiaRaiseNotificationEvent")));
        }
        return a;
    }();
    return found;
}

} // namespace

WindowSpeech::WindowSpeech(HWND form)
    : form_(form) {}

void WindowSpeech::markPolite(HWND cabin) const {
    automation();
    Microsoft::WRL::ComPtr<IAccPropServices> services;
    if (!cabin || FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IAccPropServices,
                                          reinterpret_cast<void**>(services.GetAddressOf())))) {
        return;
    }
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = LiveSettingPolite;
    services->SetHwndProp(cabin, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          LiveSettingProperty, polite);
}

void WindowSpeech::announce(const std::string& message) {
    last_ = widen(message);
    const PanelWindow* panel = PanelWindow::of(form_);
    HWND cabin = panel ? panel->control(controls::Picture1) : nullptr;
    if (!cabin) {
        return;
    }
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, cabin, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EventObjectLiveRegionChanged, cabin, OBJID_CLIENT, CHILDID_SELF);
    notifyAutomation(cabin, last_);
}

void WindowSpeech::notifyAutomation(HWND cabin, const std::wstring& message) const {
    const Automation& uia = automation();
    if (!uia.hostProvider || !uia.raiseNotification) {
        return;
    }
    Microsoft::WRL::ComPtr<IUnknown> provider;
    if (FAILED(uia.hostProvider(cabin, provider.GetAddressOf())) || !provider) {
        return;
    }
    BSTR text = SysAllocString(message.c_str());
    BSTR activity = SysAllocString(L"PelmoLiftTravel");
    if (text && activity) {
        uia.raiseNotification(provider.Get(), NotificationKindOther, NotificationProcessingAll,
                              text, activity);
    }
    SysFreeString(text);
    SysFreeString(activity);
}

void WindowSpeech::wordsChanged(ControlId id) {
    const PanelWindow* panel = PanelWindow::of(form_);
    if (!panel) {
        return;
    }
    if (HWND control = panel->control(id)) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    // Painted on the window: a simple element of its client object, numbered
    // from 1 in reading order.
    const auto order = spoken::readingOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i].id == id) {
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, form_, OBJID_CLIENT, static_cast<LONG>(i + 1));
        }
    }
}
