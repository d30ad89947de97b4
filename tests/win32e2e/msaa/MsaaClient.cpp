// Reads the panel window as a screen reader does, from a process of its own:
// the tree through AccessibleObjectFromWindow, "Call floor 3" pressed with
// accDoDefaultAction, and the travel's messages through an out-of-context
// WinEvent hook. Prints the tree and each message with its time since the
// press; exits 0 when the departure, the arrival at floor 3 and then the
// cabin saying floor 3 were seen in that order.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD LiveRegionChanged = 0x8019;
constexpr ULONGLONG LimitMs = 60000; // generous: the waits are on events

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

std::vector<Heard> heard;
ULONGLONG pressedAt = 0;
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
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(window, objectId, childId, &object, &child)) || !object) {
        return;
    }
    std::wstring text;
    if (event == LiveRegionChanged) {
        BSTR value = nullptr;
        object->get_accValue(child, &value);
        text = take(value);
    } else if (event == EVENT_OBJECT_NAMECHANGE && roleOf(object, child) == ROLE_SYSTEM_STATUSBAR) {
        text = L"name: " + nameOf(object, child);
    }
    object->Release();
    if (!text.empty()) {
        heard.push_back({GetTickCount64(), text});
    }
}

bool heardText(const std::wstring& text) {
    for (const Heard& h : heard) {
        if (h.text == text) {
            return true;
        }
    }
    return false;
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
    IAccessible* call3 = nullptr;
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
        if (n.name == L"Call floor 3") {
            call3 = n.object;
        }
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

    pressedAt = GetTickCount64();
    check(SUCCEEDED(call3->accDoDefaultAction(self())), "\"Call floor 3\" pressed");
    SetTimer(nullptr, 0, 50, nullptr);
    MSG message;
    while (!heardText(L"Arrived at floor 3") && GetTickCount64() - pressedAt < LimitMs &&
           GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    // Anything told after the arrival would come within a few ticks.
    for (ULONGLONG until = GetTickCount64() + 500; GetTickCount64() < until;) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        } else {
            Sleep(10);
        }
    }
    UnhookWinEvent(hook);

    std::printf("messages of the travel:\n");
    std::vector<std::wstring> said;
    for (const Heard& h : heard) {
        std::printf("  %7.3f s  %ls\n", double(h.at - pressedAt) / 1000.0, h.text.c_str());
        if (h.text.rfind(L"name: ", 0) != 0) {
            said.push_back(h.text);
        }
    }
    check(!said.empty() && said.front() == L"Going up to floor 3", "the departure is told first");
    check(!said.empty() && said.back() == L"Arrived at floor 3", "the arrival at floor 3 is last");
    check(nameOf(cabin, self()) == L"Cabin at floor 3", "afterwards the cabin says floor 3");
    check(heardText(L"name: Cabin at floor 3"), "the cabin's change of name was told");
    return failures == 0 ? 0 : 1;
}
