#pragma once

#include "ControlId.h"

#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <string>

class PanelWindow;

// The object a screen reader gets for the panel window's client area or for
// one of its child controls: the system's own object for that window, with
// the name, role, value and default action the panel gives it. Under `Form1`
// the children are the panel's controls in reading order; those painted on
// the window (labels, the digit) are simple elements of it. Under the cabin,
// as under a status bar, the status messages are simple elements: child 1 the
// latest, and each message also under an id of its own (StatusMessages).
class AccessibleControl final : public IAccessible {
public:
    // The object of `window`, standing for `id`; E_FAIL when the system has none.
    static HRESULT create(HWND window, controls::ControlId id, IAccessible** object);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch, the system object's
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    AccessibleControl(HWND window, controls::ControlId id,
                      Microsoft::WRL::ComPtr<IAccessible> system);
    ~AccessibleControl() = default;

    // The control a child id names: the object's own for CHILDID_SELF, an
    // item of the reading order under `Form1`; nothing for any other.
    bool controlOf(const VARIANT& child, controls::ControlId& id) const;
    // The status message a child id of the cabin's object stands for; null
    // for any other id, and under any other object.
    const std::wstring* messageOf(const VARIANT& child) const;
    bool isSelf(const VARIANT& child) const;
    // A simple element under this object: a painted control or a message.
    bool isChild(const VARIANT& child) const;
    const PanelWindow* panel() const;

    ULONG references_ = 1;
    HWND window_;
    controls::ControlId id_;
    Microsoft::WRL::ComPtr<IAccessible> system_;
};

// Answers WM_GETOBJECT for the client area of `window`, which stands for
// `id`: 0 for any other object, which the window's procedure then answers.
LRESULT answerGetObject(HWND window, controls::ControlId id, WPARAM flags, LPARAM objectId);

// Makes each child control of the panel in the reading order answer
// WM_GETOBJECT with its own object.
void hookAccessibleChildren(const PanelWindow& panel);
