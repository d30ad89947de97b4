#include "AccessibleControl.h"

#include "AccessibleTree.h"
#include "ChildControls.h"
#include "Oleacc.h"
#include "PanelWindow.h"
#include "SurfacePainter.h"
#include "WideText.h"

#include <new>

using namespace controls;

using layout::ControlEntry;
using layout::findControl;
using Microsoft::WRL::ComPtr;

namespace {

constexpr const wchar_t* OldProcProperty = L"PelmoLift.AccessibleOldProc";

long roleOf(spoken::Role role) {
    switch (role) {
    case spoken::Role::Window:
        return ROLE_SYSTEM_CLIENT;
    case spoken::Role::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case spoken::Role::EditableText:
        return ROLE_SYSTEM_TEXT;
    case spoken::Role::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    case spoken::Role::Status:
        return ROLE_SYSTEM_STATUSBAR;
    case spoken::Role::Image:
        break;
    }
    return ROLE_SYSTEM_GRAPHIC;
}

HRESULT giveText(const std::wstring& text, BSTR* out) {
    if (!out) {
        return E_POINTER;
    }
    *out = SysAllocString(text.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

LRESULT CALLBACK AccessibleChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto old = reinterpret_cast<WNDPROC>(GetPropW(window, OldProcProperty));
    if (message == WM_GETOBJECT) {
        const ControlEntry* entry = ChildControls::entryOfChildId(GetDlgCtrlID(window));
        if (entry) {
            if (const LRESULT answer = answerGetObject(window, entry->id, wParam, lParam)) {
                return answer;
            }
        }
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        RemovePropW(window, OldProcProperty);
    }
    return old ? CallWindowProcW(old, window, message, wParam, lParam)
               : DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HRESULT AccessibleControl::create(HWND window, ControlId id, IAccessible** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    const oleacc::Functions* f = oleacc::functions();
    ComPtr<IAccessible> system;
    if (!f ||
        FAILED(f->createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(system.GetAddressOf())))) {
        return E_FAIL;
    }
    *object = new (std::nothrow) AccessibleControl(window, id, std::move(system));
    return *object ? S_OK : E_OUTOFMEMORY;
}

LRESULT answerGetObject(HWND window, ControlId id, WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT) {
        return 0;
    }
    IAccessible* object = nullptr;
    if (FAILED(AccessibleControl::create(window, id, &object))) {
        return 0;
    }
    const LRESULT answer =
        oleacc::functions()->lresultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return answer > 0 ? answer : 0;
}

void hookAccessibleChildren(const PanelWindow& panel) {
    for (const spoken::AccessibleItem& item : spoken::readingOrder()) {
        HWND child = panel.control(item.id);
        if (!child || GetPropW(child, OldProcProperty)) {
            continue;
        }
        const LONG_PTR old = GetWindowLongPtrW(child, GWLP_WNDPROC);
        SetPropW(child, OldProcProperty, reinterpret_cast<HANDLE>(old));
        SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AccessibleChildProc));
    }
}

AccessibleControl::AccessibleControl(HWND window, ControlId id, ComPtr<IAccessible> system)
    : window_(window)
    , id_(id)
    , system_(std::move(system)) {}

const PanelWindow* AccessibleControl::panel() const {
    return PanelWindow::of(GetAncestor(window_, GA_ROOT));
}

bool AccessibleControl::isSelf(const VARIANT& child) const {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

const std::wstring* AccessibleControl::messageOf(const VARIANT& child) const {
    if (id_ != controls::Picture1 || child.vt != VT_I4 || child.lVal == CHILDID_SELF) {
        return nullptr;
    }
    const PanelWindow* p = panel();
    return p ? p->speech().message(child.lVal) : nullptr;
}

bool AccessibleControl::isChild(const VARIANT& child) const {
    ControlId id;
    return !isSelf(child) && (messageOf(child) || controlOf(child, id));
}

bool AccessibleControl::controlOf(const VARIANT& child, ControlId& id) const {
    if (child.vt != VT_I4) {
        return false;
    }
    if (child.lVal == CHILDID_SELF) {
        id = id_;
        return true;
    }
    const auto order = spoken::readingOrder();
    if (id_ != controls::Form1 || child.lVal < 1 || child.lVal > long(order.size())) {
        return false;
    }
    id = order[static_cast<std::size_t>(child.lVal - 1)].id;
    return true;
}

// --- IUnknown ----------------------------------------------------------------

HRESULT AccessibleControl::QueryInterface(REFIID riid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) ||
        riid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleControl::AddRef() {
    return InterlockedIncrement(&references_);
}

ULONG AccessibleControl::Release() {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return left;
}

// --- IDispatch ---------------------------------------------------------------

HRESULT AccessibleControl::GetTypeInfoCount(UINT* count) {
    return system_->GetTypeInfoCount(count);
}
HRESULT AccessibleControl::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
    return system_->GetTypeInfo(index, lcid, info);
}
HRESULT AccessibleControl::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                         DISPID* ids) {
    return system_->GetIDsOfNames(riid, names, count, lcid, ids);
}
HRESULT AccessibleControl::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                  VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    return system_->Invoke(id, riid, lcid, flags, params, result, exception, argError);
}

// --- IAccessible: what the panel says ------------------------------------------

HRESULT AccessibleControl::get_accParent(IDispatch** parent) {
    HWND root = GetAncestor(window_, GA_ROOT);
    if (id_ == controls::Form1 || !root || !parent) {
        return system_->get_accParent(parent);
    }
    // The lamp nested in another box is read beside the other lamps.
    return oleacc::functions()->accessibleObjectFromWindow(root, static_cast<DWORD>(OBJID_CLIENT),
                                                           __uuidof(IDispatch),
                                                           reinterpret_cast<void**>(parent));
}

HRESULT AccessibleControl::get_accChildCount(long* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = id_ == controls::Form1      ? static_cast<long>(spoken::readingOrder().size())
             : id_ == controls::Picture1 ? 1 // the latest status message
                                         : 0;
    return S_OK;
}

HRESULT AccessibleControl::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    ControlId id;
    if (messageOf(child)) {
        return S_FALSE; // a simple element of the cabin
    }
    if (isSelf(child) || !controlOf(child, id)) {
        return E_INVALIDARG;
    }
    const PanelWindow* p = panel();
    HWND control = p ? p->control(id) : nullptr;
    if (!control) {
        return S_FALSE; // painted on the window: a simple element of it
    }
    return oleacc::functions()->accessibleObjectFromWindow(
        control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IDispatch),
        reinterpret_cast<void**>(object));
}

HRESULT AccessibleControl::get_accName(VARIANT child, BSTR* name) {
    ControlId id;
    if (const std::wstring* message = messageOf(child)) {
        return giveText(*message, name);
    }
    if (!controlOf(child, id)) {
        return E_INVALIDARG;
    }
    try {
        const PanelWindow* p = panel();
        return giveText(widen(spoken::accessibleName(id, p ? &p->words() : nullptr)), name);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT AccessibleControl::get_accValue(VARIANT child, BSTR* value) {
    if (isSelf(child)) {
        return system_->get_accValue(child, value); // the code box's text
    }
    if (!isChild(child)) {
        return E_INVALIDARG;
    }
    return value ? (*value = nullptr, S_FALSE) : E_POINTER;
}

HRESULT AccessibleControl::get_accRole(VARIANT child, VARIANT* role) {
    ControlId id;
    if (!role) {
        return E_POINTER;
    }
    const bool message = messageOf(child);
    if (!message && !controlOf(child, id)) {
        return E_INVALIDARG;
    }
    const spoken::AccessibleItem* item = message ? nullptr : spoken::accessibleItem(id);
    VariantInit(role);
    role->vt = VT_I4;
    role->lVal = message                 ? ROLE_SYSTEM_STATICTEXT
                 : item                  ? roleOf(item->role)
                 : id == controls::Form1 ? ROLE_SYSTEM_CLIENT
                                         : ROLE_SYSTEM_GRAPHIC;
    return S_OK;
}

HRESULT AccessibleControl::get_accState(VARIANT child, VARIANT* state) {
    if (isSelf(child)) {
        return system_->get_accState(child, state);
    }
    if (!state) {
        return E_POINTER;
    }
    if (!isChild(child)) {
        return E_INVALIDARG;
    }
    VariantInit(state);
    state->vt = VT_I4;
    state->lVal = STATE_SYSTEM_READONLY;
    return S_OK;
}

HRESULT AccessibleControl::get_accDefaultAction(VARIANT child, BSTR* action) {
    ControlId id;
    if (!controlOf(child, id)) {
        return messageOf(child) ? (action ? (*action = nullptr, S_FALSE) : E_POINTER)
                                : E_INVALIDARG;
    }
    const spoken::AccessibleItem* item = spoken::accessibleItem(id);
    if (item && item->role == spoken::Role::PushButton) {
        return giveText(L"Press", action);
    }
    return action ? (*action = nullptr, S_FALSE) : E_POINTER;
}

HRESULT AccessibleControl::accDoDefaultAction(VARIANT child) {
    ControlId id;
    if (!controlOf(child, id)) {
        return messageOf(child) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
    }
    const PanelWindow* p = panel();
    HWND button = p ? p->control(id) : nullptr;
    const spoken::AccessibleItem* item = spoken::accessibleItem(id);
    if (!button || !item || item->role != spoken::Role::PushButton) {
        return DISP_E_MEMBERNOTFOUND;
    }
    // Posted, as a click arrives: the client does not wait on the panel.
    const bool posted =
        PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    return posted ? S_OK : E_FAIL;
}

HRESULT AccessibleControl::accLocation(long* left, long* top, long* width, long* height,
                                       VARIANT child) {
    if (isSelf(child) || messageOf(child)) { // a message stands where the cabin does
        VARIANT self = child;
        self.lVal = CHILDID_SELF;
        return system_->accLocation(left, top, width, height, self);
    }
    ControlId id;
    if (!left || !top || !width || !height) {
        return E_POINTER;
    }
    if (!controlOf(child, id)) {
        return E_INVALIDARG;
    }
    const PanelWindow* p = panel();
    if (HWND control = p ? p->control(id) : nullptr) {
        RECT r{};
        GetWindowRect(control, &r);
        *left = r.left, *top = r.top, *width = r.right - r.left, *height = r.bottom - r.top;
        return S_OK;
    }
    const ControlEntry* entry = findControl(id);
    if (!p || !entry) {
        return E_INVALIDARG;
    }
    RECT r = SurfacePainter::bounds(*entry, p->scale());
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left, *top = r.top, *width = r.right - r.left, *height = r.bottom - r.top;
    return S_OK;
}

// --- IAccessible: the system object's ------------------------------------------

HRESULT AccessibleControl::get_accDescription(VARIANT child, BSTR* text) {
    return isSelf(child) ? system_->get_accDescription(child, text) : E_INVALIDARG;
}
HRESULT AccessibleControl::get_accHelp(VARIANT child, BSTR* help) {
    return isSelf(child) ? system_->get_accHelp(child, help) : E_INVALIDARG;
}
HRESULT AccessibleControl::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return isSelf(child) ? system_->get_accHelpTopic(file, child, topic) : E_INVALIDARG;
}
HRESULT AccessibleControl::get_accKeyboardShortcut(VARIANT child, BSTR* keys) {
    return isSelf(child) ? system_->get_accKeyboardShortcut(child, keys) : E_INVALIDARG;
}
HRESULT AccessibleControl::get_accFocus(VARIANT* child) {
    return system_->get_accFocus(child);
}
HRESULT AccessibleControl::get_accSelection(VARIANT* children) {
    return system_->get_accSelection(children);
}
HRESULT AccessibleControl::accSelect(long flags, VARIANT child) {
    return isSelf(child) ? system_->accSelect(flags, child) : E_INVALIDARG;
}
HRESULT AccessibleControl::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return isSelf(start) ? system_->accNavigate(direction, start, end) : E_INVALIDARG;
}
HRESULT AccessibleControl::accHitTest(long left, long top, VARIANT* child) {
    return system_->accHitTest(left, top, child);
}
HRESULT AccessibleControl::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}
HRESULT AccessibleControl::put_accValue(VARIANT child, BSTR value) {
    return isSelf(child) ? system_->put_accValue(child, value) : E_INVALIDARG;
}
