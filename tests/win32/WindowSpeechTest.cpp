// What a screen reader reads of the panel's status messages: each live-region
// change names an element whose name is its message, still when the reader
// comes to it after the next message was told; and where UI Automation
// notifications go out, the message goes out as one of them alone.
#include "PanelWindowFixture.h"

#include <oleacc.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD LiveRegionChanged = 0x8019;
// Raised by the test itself after the panel's, so that one arriving proves
// every earlier event has been delivered.
constexpr LONG Marker = 0x7fff;

struct Event {
    HWND window;
    LONG object;
    LONG child;
};

std::vector<Event> changes;

void CALLBACK onChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    changes.push_back({window, object, child});
}

std::wstring take(BSTR text) {
    std::wstring s = text ? text : L"(none)";
    SysFreeString(text);
    return s;
}

// The name NVDA speaks for a live-region change: the name of the object the
// event names.
std::wstring nameFor(const Event& e) {
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(e.window, e.object, e.child, &object, &child)) ||
        !object) {
        return L"(no object)";
    }
    BSTR name = nullptr;
    const HRESULT got = object->get_accName(child, &name);
    object->Release();
    return SUCCEEDED(got) ? take(name) : L"(no name)";
}

VARIANT childId(LONG id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// Fakes of UI Automation's two functions, recording what was raised.
std::vector<std::wstring> notified;
HRESULT notifyResult = S_OK;

HRESULT WINAPI fakeHostProvider(HWND window, IUnknown** provider) {
    return AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IUnknown),
                                      reinterpret_cast<void**>(provider));
}

HRESULT WINAPI fakeRaise(IUnknown*, int, int, BSTR text, BSTR) {
    notified.push_back(text ? text : L"");
    return notifyResult;
}

class WindowSpeechTest : public PanelWindowTest {
protected:
    void SetUp() override {
        PanelWindowTest::SetUp();
        // What the window posted itself on creation comes first.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        changes.clear();
        notified.clear();
        notifyResult = S_OK;
        hook = SetWinEventHook(LiveRegionChanged, LiveRegionChanged, nullptr, onChange,
                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook, nullptr);
        cabin = window->control({"Picture1"});
        ASSERT_NE(cabin, nullptr);
    }
    void TearDown() override {
        UnhookWinEvent(hook);
        PanelWindowTest::TearDown();
    }

    // The panel's live-region changes, once every one raised so far has come.
    std::vector<Event> changesSoFar() {
        NotifyWinEvent(LiveRegionChanged, hwnd, OBJID_CLIENT, Marker);
        const DWORD limit = GetTickCount() + 20000;
        MSG msg;
        while (GetTickCount() < limit && (changes.empty() || changes.back().child != Marker)) {
            if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&msg);
            } else {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            }
        }
        EXPECT_TRUE(!changes.empty() && changes.back().child == Marker) << "the marker never came";
        std::vector<Event> panel = changes;
        if (!panel.empty() && panel.back().child == Marker) {
            panel.pop_back();
        }
        changes.clear();
        return panel;
    }

    std::wstring cabinName(LONG child) {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(cabin, static_cast<DWORD>(OBJID_CLIENT),
                                              __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&object)))) {
            return L"(no object)";
        }
        BSTR name = nullptr;
        const HRESULT got = object->get_accName(childId(child), &name);
        object->Release();
        return SUCCEEDED(got) ? take(name) : L"(no name)";
    }

    HWINEVENTHOOK hook = nullptr;
    HWND cabin = nullptr;
};

} // namespace

TEST_F(WindowSpeechTest, EachChangeNamesItsOwnMessageHoweverLateItIsRead) {
    window->speech().prepare(nullptr);
    window->speech().announce("Arrived at floor 3");
    window->speech().announce("Going down to the ground floor");
    const std::vector<Event> told = changesSoFar();

    // Read only now, both after the second message was told.
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].window, cabin);
    EXPECT_EQ(nameFor(told[0]), L"Arrived at floor 3");
    EXPECT_EQ(nameFor(told[1]), L"Going down to the ground floor");
    EXPECT_EQ(cabinName(CHILDID_SELF), L"Cabin at the ground floor") << "the cabin says its place";
    EXPECT_EQ(cabinName(1), L"Going down to the ground floor") << "child 1 is the latest";
}

TEST_F(WindowSpeechTest, AReaderTooFarBehindReadsNothingRatherThanAnotherMessage) {
    window->speech().prepare(nullptr);
    for (int i = 0; i < 17; ++i) {
        window->speech().announce("Message " + std::to_string(i));
    }
    const std::vector<Event> told = changesSoFar();
    ASSERT_EQ(told.size(), 17u);
    const std::wstring first = nameFor(told[0]);
    EXPECT_TRUE(first == L"Message 0" || first.rfind(L"(no ", 0) == 0) << first;
    EXPECT_EQ(nameFor(told[1]), L"Message 1");
    EXPECT_EQ(nameFor(told[16]), L"Message 16");
}

TEST_F(WindowSpeechTest, ANotificationAloneWhereUiAutomationTellsIt) {
    const UiaNotification fake{fakeHostProvider, fakeRaise};
    window->speech().prepare(&fake);
    window->speech().announce("Passing floor 2");
    EXPECT_EQ(notified, std::vector<std::wstring>{L"Passing floor 2"});
    EXPECT_TRUE(changesSoFar().empty()) << "no live-region change besides: said twice";
    EXPECT_EQ(cabinName(1), L"Passing floor 2");

    // A notification that does not go out leaves the message to the live region.
    notifyResult = E_FAIL;
    window->speech().announce("Arrived at floor 3");
    const std::vector<Event> told = changesSoFar();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(nameFor(told[0]), L"Arrived at floor 3");
}
