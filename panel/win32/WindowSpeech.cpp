#include "WindowSpeech.h"

#include "AccessibleTree.h"
#include "PanelWindow.h"
#include "WideText.h"

using namespace controls;

namespace {

// From the Windows 8 headers, which a program built for Windows 7 does not see.
constexpr DWORD EventObjectLiveRegionChanged = 0x8019;
constexpr GUID LiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long LiveSettingPolite = 1;

} // namespace

WindowSpeech::WindowSpeech(HWND form)
    : form_(form) {}

HWND WindowSpeech::cabin() const {
    const PanelWindow* panel = PanelWindow::of(form_);
    return panel ? panel->control(controls::Picture1) : nullptr;
}

void WindowSpeech::prepare(const UiaNotification* notification) {
    notification_ = notification;
    marks_.Reset();
    if (!notification_) {
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(marks_.GetAddressOf()));
    }
}

void WindowSpeech::announce(const std::string& message) {
    std::wstring text;
    try {
        text = widen(message);
    } catch (...) {
        return; // out of memory: this message is lost, and no older one told again
    }
    const StatusMessages::Added added = messages_.add(std::move(text));
    HWND cabin = this->cabin();
    if (!cabin || (notification_ && notify(*notification_, cabin, messages_.latest()))) {
        return;
    }
    markPolite(cabin, added);
    NotifyWinEvent(EventObjectLiveRegionChanged, cabin, OBJID_CLIENT, added.child);
}

void WindowSpeech::markPolite(HWND cabin, const StatusMessages::Added& added) const {
    if (!marks_) {
        return;
    }
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = LiveSettingPolite;
    marks_->SetHwndProp(cabin, static_cast<DWORD>(OBJID_CLIENT), static_cast<DWORD>(added.child),
                        LiveSettingProperty, polite);
    if (added.forgotten) {
        MSAAPROPID property = LiveSettingProperty;
        marks_->ClearHwndProps(cabin, static_cast<DWORD>(OBJID_CLIENT),
                               static_cast<DWORD>(added.forgotten), &property, 1);
    }
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
