// Reads the panel window as a screen reader does, from a process of its own:
// the tree through AccessibleObjectFromWindow, calls pressed with
// accDoDefaultAction, and what each travel tells, taken as NVDA takes a
// live-region change: the hook only queues the event, and the events are
// then read in the order they came, each as the name of the object it names
// (AccessibleObjectFromEvent, then get_accName of that child). Prints the
// tree and each message with the time its event came since the press; exits
// 0 when every trip was told in the panel's words, each message once and in
// order, and the cabin then said where it stands.
#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace {

constexpr DWORD LiveRegionChanged = 0x8019;
constexpr ULONGLONG LimitMs = 60000; // generous: the waits are on events
// Anything told after a trip's last message would come within a few ticks.
constexpr ULONGLONG AfterwardsMs = 500;

struct Node {
    IAccessible* object; // the child's own, or the parent's for a simple element
    VARIANT child;
    std::wstring name;
    long role;
};

struct Heard {
    ULONGLONG at;
    std::wstring text;
};

struct Event {
    ULONGLONG at;
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};

std::deque<Event> queued;      // as the hook saw them, not yet read
std::vector<Heard> told;       // the live-region changes, by name
std::vector<Heard> cabinNames; // the status bar's changes of name
int failures = 0;

void check(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "pass" : "FAIL", what);
    failures += ok ? 0 : 1;
}

VARIANT self() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

std::wstring take(BSTR text) {
    std::wstring s = text ? text : L"";
    SysFreeString(text);
    return s;
}

std::wstring nameOf(IAccessible* object, VARIANT child) {
    BSTR name = nullptr;
    object->get_accName(child, &name);
    return take(name);
}

long roleOf(IAccessible* object, VARIANT child) {
    VARIANT role;
    VariantInit(&role);
    return SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4 ? role.lVal : 0;
}

std::string roleText(long role) {
    char text[64] = {};
    GetRoleTextA(static_cast<DWORD>(role), text, sizeof text);
    return text;
}

std::vector<Node> childrenOf(IAccessible* parent) {
    long count = 0;
    parent->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    long got = 0;
    AccessibleChildren(parent, 0, count, children.data(), &got);
    std::vector<Node> nodes;
    for (long i = 0; i < got; ++i) {
        VARIANT& v = children[static_cast<std::size_t>(i)];
        IAccessible* object = nullptr;
        if (v.vt == VT_DISPATCH && v.pdispVal) {
            v.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
            v.pdispVal->Release();
            nodes.push_back({object, self(), L"", 0});
        } else if (v.vt == VT_I4) {
            parent->AddRef();
            nodes.push_back({parent, v, L"", 0});
        }
    }
    for (Node& n : nodes) {
        if (n.object) {
            n.name = nameOf(n.object, n.child);
            n.role = roleOf(n.object, n.child);
        }
    }
    return nodes;
}

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD,
                      DWORD) {
    if (event == LiveRegionChanged || event == EVENT_OBJECT_NAMECHANGE) {
        queued.push_back({GetTickCount64(), event, window, objectId, childId});
    }
}

// Reads the queued events in the order they came. A call to the panel waits
// in a message loop, where the hook may queue more; they are read after.
void readQueued() {
    while (!queued.empty()) {
        const Event e = queued.front();
        queued.pop_front();
        IAccessible* object = nullptr;
        VARIANT child;
        VariantInit(&child);
        const bool found =
            SUCCEEDED(AccessibleObjectFromEvent(e.window, e.object, e.child, &object, &child)) &&
            object;
        if (e.event == LiveRegionChanged) {
            told.push_back({e.at, found ? nameOf(object, child) : L"(no object)"});
        } else if (found && roleOf(object, child) == ROLE_SYSTEM_STATUSBAR) {
            cabinNames.push_back({e.at, nameOf(object, child)});
        }
        if (object) {
            object->Release();
        }
        VariantClear(&child);
    }
}

// Pumps the hook's messages until `done` holds or the time `untilMs` comes;
// whether `done` held.
template <typename Done> bool pumpUntil(ULONGLONG untilMs, Done done) {
    MSG message;
    while (!done() && GetTickCount64() < untilMs) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        readQueued();
    }
    return done();
}

// Whether `count` messages were told since `from` within the limit.
bool toldWithinLimit(std::size_t from, std::size_t count) {
    return pumpUntil(GetTickCount64() + LimitMs, [=] { return told.size() - from >= count; });
}

struct Trip {
    const char* what;
    const wchar_t* press;
    // Pressed as soon as `when` is told, while the cabin travels; or nothing.
    const wchar_t* thenPress;
    const wchar_t* when;
    std::vector<std::wstring> told;
    const wchar_t* cabinAfter;
};

IAccessible* button(const std::vector<Node>& nodes, const std::wstring& name) {
    for (const Node& n : nodes) {
        if (n.role == ROLE_SYSTEM_PUSHBUTTON && n.name == name) {
            return n.object;
        }
    }
    return nullptr;
}

void press(IAccessible* object, const wchar_t* name) {
    const bool pressed = object && SUCCEEDED(object->accDoDefaultAction(self()));
    std::printf("%s \"%ls\" pressed\n", pressed ? "pass" : "FAIL", name);
    failures += pressed ? 0 : 1;
}

void travel(const Trip& trip, const std::vector<Node>& nodes, IAccessible* cabin) {
    std::printf("%s:\n", trip.what);
    const std::size_t from = told.size();
    const ULONGLONG pressedAt = GetTickCount64();
    press(button(nodes, trip.press), trip.press);
    if (trip.thenPress) {
        const auto when = std::find(trip.told.begin(), trip.told.end(), trip.when);
        toldWithinLimit(from, static_cast<std::size_t>(when - trip.told.begin()) + 1);
        press(button(nodes, trip.thenPress), trip.thenPress);
    }
    const bool inTime = toldWithinLimit(from, trip.told.size());
    pumpUntil(GetTickCount64() + AfterwardsMs, [] { return false; });

    std::vector<std::wstring> said;
    for (std::size_t i = from; i < told.size(); ++i) {
        std::printf("  %7.3f s  %ls\n", double(told[i].at - pressedAt) / 1000.0,
                    told[i].text.c_str());
        said.push_back(told[i].text);
    }
    check(inTime, "  every message came within the limit");
    check(said == trip.told, "  the panel's words, each once, in order");
    const std::wstring cabinName = nameOf(cabin, self());
    std::printf("  the cabin: %ls\n", cabinName.c_str());
    check(cabinName == trip.cabinAfter, "  then the cabin says where it stands");
}

} // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND panel = nullptr;
    for (ULONGLONG start = GetTickCount64(); !panel && GetTickCount64() - start < LimitMs;
         Sleep(100)) {
        panel = FindWindowW(L"PelmoLiftPanel", nullptr);
    }
    IAccessible* root = nullptr;
    const HRESULT found =
        panel ? AccessibleObjectFromWindow(panel, static_cast<DWORD>(OBJID_CLIENT),
                                           __uuidof(IAccessible), reinterpret_cast<void**>(&root))
              : E_FAIL;
    if (FAILED(found) || !root) {
        std::printf("FAIL no accessible panel window (%p, 0x%08lx)\n", static_cast<void*>(panel),
                    static_cast<unsigned long>(found));
        return 1;
    }

    const std::wstring rootName = nameOf(root, self());
    std::printf("  %s: %ls\n", roleText(roleOf(root, self())).c_str(), rootName.c_str());
    std::vector<Node> nodes = childrenOf(root);
    int buttons = 0, labels = 0;
    IAccessible* cabin = nullptr;
    bool text1 = false, digit = false, lamp = false;
    for (const Node& n : nodes) {
        std::printf("    %s: %ls\n", roleText(n.role).c_str(), n.name.c_str());
        buttons += n.role == ROLE_SYSTEM_PUSHBUTTON;
        labels += n.role == ROLE_SYSTEM_STATICTEXT;
        text1 |= n.role == ROLE_SYSTEM_TEXT && n.name == L"Pushed button - port 155";
        digit |= n.role == ROLE_SYSTEM_GRAPHIC && n.name == L"Floor display: 0";
        lamp |=
            n.role == ROLE_SYSTEM_GRAPHIC && n.name == L"Floor 3 lamp, blue on grey: no call yet";
        if (n.role == ROLE_SYSTEM_STATUSBAR) {
            cabin = n.object;
            check(n.name == L"Cabin at the ground floor", "the cabin says where it is");
        }
    }
    check(rootName == L"Pelmo Lift", "the window is named by its caption");
    check(buttons == 12, "twelve call buttons");
    check(text1, "Text1 is named by its label");
    check(digit, "the digit says its floor");
    check(lamp, "a lamp says its state");
    check(labels == 12 && nodes.size() > 8 && nodes[8].name == L"Fifth Floor",
          "the legends as static text, in reading order");
    IAccessible* call3 = button(nodes, L"Call floor 3");
    if (!call3 || !cabin) {
        std::printf("FAIL no \"Call floor 3\" or no cabin\n");
        return 1;
    }
    BSTR action = nullptr;
    call3->get_accDefaultAction(self(), &action);
    check(take(action) == L"Press", "the button's default action is Press");

    DWORD pid = 0;
    GetWindowThreadProcessId(panel, &pid);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, LiveRegionChanged, nullptr,
                                         onEvent, pid, 0, WINEVENT_OUTOFCONTEXT);
    check(hook != nullptr, "an out-of-context hook on the panel's process");

    const Trip trips[] = {
        {"up to the third floor",
         L"Call floor 3",
         nullptr,
         nullptr,
         {L"Going up to floor 3", L"Passing floor 1", L"Passing floor 2", L"Arrived at floor 3"},
         L"Cabin at floor 3"},
        {"down to the ground floor",
         L"Call floor 0",
         nullptr,
         nullptr,
         {L"Going down to the ground floor", L"Passing floor 2", L"Passing floor 1",
          L"Arrived at the ground floor"},
         L"Cabin at the ground floor"},
        {"a call where the cabin stands",
         L"Call floor 0",
         nullptr,
         nullptr,
         {L"Already at the ground floor"},
         L"Cabin at the ground floor"},
        // Served within a tick of the arrival: the two messages come close
        // together, and each must still be read in its own words.
        {"a call during a travel",
         L"Call lift to floor 1",
         L"Call floor 0",
         L"Going up to floor 1",
         {L"Going up to floor 1", L"Arrived at floor 1", L"Going down to the ground floor",
          L"Arrived at the ground floor"},
         L"Cabin at the ground floor"},
    };
    for (const Trip& trip : trips) {
        travel(trip, nodes, cabin);
    }
    UnhookWinEvent(hook);

    bool floor3 = false;
    for (const Heard& h : cabinNames) {
        floor3 |= h.text == L"Cabin at floor 3";
    }
    check(floor3, "the cabin's change of name was told");
    return failures == 0 ? 0 : 1;
}
