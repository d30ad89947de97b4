// The panel window's procedure: each message goes to a small handler of the
// instance, which hangs on the window from WM_NCCREATE to WM_NCDESTROY.
// Nothing thrown in a handler unwinds through Windows' own frames: the
// procedure catches it and fails the message instead.
#include "PanelWindow.h"

#include "WindowDpi.h"

#include <windowsx.h>

using namespace layout;

namespace {

PanelWindow* self(HWND window) {
    return reinterpret_cast<PanelWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

BOOL OnNCCreate(HWND window, LPCREATESTRUCTW create) {
    windowdpi::scaleNonClientArea(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PanelWindow(window)));
    return FORWARD_WM_NCCREATE(window, create, DefWindowProcW); // sets the caption
}

void OnNCDestroy(HWND window) {
    delete self(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

BOOL OnCreate(HWND window, LPCREATESTRUCTW) {
    self(window)->OnCreate();
    return TRUE;
}

void OnPaint(HWND window) {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    self(window)->PaintContent(ps.hdc, ps.rcPaint);
    EndPaint(window, &ps);
}

void OnPrintClient(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    self(window)->PaintContent(dc, client);
}

BOOL OnEraseBkgnd(HWND, HDC) {
    return TRUE; // PaintContent covers what it repaints
}

void OnTimer(HWND window, UINT id) {
    self(window)->OnTimer(id);
}

void OnCommand(HWND window, int id, HWND, UINT code) {
    self(window)->OnCommand(id, code);
}

void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item) {
    self(window)->OnDrawItem(*item);
}

HBRUSH OnCtlColorEdit(HWND window, HDC dc, HWND, int) {
    return self(window)->OnCtlColorEdit(dc);
}

void OnActivate(HWND window, UINT state, HWND, BOOL) {
    self(window)->OnActivate(state != WA_INACTIVE);
}

void OnSetFocus(HWND window, HWND) {
    self(window)->OnSetFocus();
}

void OnDestroy(HWND) {
    PostQuitMessage(0);
}

LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NCCREATE && !self(window)) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        HANDLE_MSG(window, WM_NCCREATE, OnNCCreate);
        HANDLE_MSG(window, WM_NCDESTROY, OnNCDestroy);
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_PAINT, OnPaint);
        HANDLE_MSG(window, WM_ERASEBKGND, OnEraseBkgnd);
        HANDLE_MSG(window, WM_TIMER, OnTimer);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(window, WM_CTLCOLOREDIT, OnCtlColorEdit);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
    case WM_PRINTCLIENT:
        OnPrintClient(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DPICHANGED:
        self(window)->OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT object = self(window)->OnGetObject(wParam, lParam)) {
            return object;
        }
        break;
    case PanelWindow::WM_PREPARE_SPEECH:
        self(window)->OnPrepareSpeech();
        return 0;
    case PanelWindow::WM_CABIN_FRAME:
        self(window)->OnFrame();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A handler threw (out of memory, say). During creation the window is not
// made, and PanelWindow::create() says so; afterwards the panel cannot be
// trusted to go on, so the program ends with a non-zero status.
LRESULT failed(UINT message) {
    switch (message) {
    case WM_NCCREATE:
        return FALSE;
    case WM_CREATE:
        return -1;
    default:
        PostQuitMessage(1);
        return 0;
    }
}

} // namespace

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return dispatch(window, message, wParam, lParam);
    } catch (...) {
        return failed(message);
    }
}
