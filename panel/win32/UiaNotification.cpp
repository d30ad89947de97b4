#include "UiaNotification.h"

#include <wrl/client.h>

namespace {

// UI Automation's NotificationKind_Other and NotificationProcessing_All.
constexpr int NotificationKindOther = 4;
constexpr int NotificationProcessingAll = 2;
// Windows 10 version 1709, the first with notifications.
constexpr DWORD NotificationBuild = 16299;

template <typename F> void lookUp(HMODULE library, const char* name, F& function) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Windows 10 version 1709 on, by the version RtlGetVersion tells
// (GetVersionEx tells a program without a manifest an older one); not Wine,
// which reports a newer Windows but has the function only as a stub.
bool notificationsDelivered() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || GetProcAddress(ntdll, "wine_get_version")) {
        return false;
    }
    LONG(WINAPI * rtlGetVersion)(OSVERSIONINFOW*) = nullptr;
    lookUp(ntdll, "RtlGetVersion", rtlGetVersion);
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return rtlGetVersion && rtlGetVersion(&version) == 0 &&
           (version.dwMajorVersion > 10 ||
            (version.dwMajorVersion == 10 && version.dwBuildNumber >= NotificationBuild));
}

} // namespace

const UiaNotification* systemNotification() {
    static const UiaNotification found = [] {
        UiaNotification n;
        if (!notificationsDelivered()) {
            return n;
        }
        if (HMODULE library = LoadLibraryW(L"uiautomationcore.dll")) {
            lookUp(library, "UiaHostProviderFromHwnd", n.hostProvider);
            lookUp(library, "UiaRaiseNotificationEvent", n.raise);
        }
        return n;
    }();
    return found.hostProvider && found.raise ? &found : nullptr;
}

bool notify(const UiaNotification& notification, HWND window, const std::wstring& message) {
    Microsoft::WRL::ComPtr<IUnknown> provider;
    if (FAILED(notification.hostProvider(window, provider.GetAddressOf())) || !provider) {
        return false;
    }
    BSTR text = SysAllocString(message.c_str());
    BSTR activity = SysAllocString(L"PelmoLiftTravel");
    const bool raised = text && activity &&
                        SUCCEEDED(notification.raise(provider.Get(), NotificationKindOther,
                                                     NotificationProcessingAll, text, activity));
    SysFreeString(text);
    SysFreeString(activity);
    return raised;
}
