#include "PictureBox.h"

#include "GdiColours.h"

#include <windowsx.h>

namespace {

// The box's instance data, attached to its window.
struct BoxData {
    COLORREF back;
    const PanelPicture* picture;
};

BoxData* dataOf(HWND box) {
    return reinterpret_cast<BoxData*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

void PaintContent(HWND box, HDC dc) {
    const BoxData* data = dataOf(box);
    if (!data) {
        return;
    }
    RECT client{};
    GetClientRect(box, &client);
    fillPixels(dc, 0, 0, client.right, client.bottom, data->back);
    if (data->picture) {
        data->picture->paint(dc, 0, 0);
    }
}

BOOL OnNCCreate(HWND box, LPCREATESTRUCTW create) {
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return FORWARD_WM_NCCREATE(box, create, DefWindowProcW);
}

void OnNCDestroy(HWND box) {
    delete dataOf(box);
    SetWindowLongPtrW(box, GWLP_USERDATA, 0);
}

void OnPaint(HWND box) {
    PAINTSTRUCT ps;
    BeginPaint(box, &ps);
    PaintContent(box, ps.hdc);
    EndPaint(box, &ps);
}

void OnPrintClient(HWND box, HDC dc) {
    PaintContent(box, dc);
}

BOOL OnEraseBkgnd(HWND, HDC) {
    return TRUE; // the paint covers the whole box
}

LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(box, WM_NCCREATE, OnNCCreate);
        HANDLE_MSG(box, WM_NCDESTROY, OnNCDestroy);
        HANDLE_MSG(box, WM_PAINT, OnPaint);
        HANDLE_MSG(box, WM_ERASEBKGND, OnEraseBkgnd);
    case WM_PRINTCLIENT:
        OnPrintClient(box, reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

} // namespace

namespace picturebox {

void registerClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BoxProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = ClassName;
    RegisterClassW(&wc); // fails harmlessly when already registered
}

HWND create(HWND parent, int id, RECT bounds, COLORREF back, const PanelPicture* picture) {
    // The box owns its data from WM_NCCREATE on and frees it on WM_NCDESTROY.
    auto* data = new BoxData{back, picture};
    return CreateWindowExW(
        0, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, bounds.left,
        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), data);
}

const PanelPicture* picture(HWND box) {
    const BoxData* data = dataOf(box);
    return data ? data->picture : nullptr;
}

void setPicture(HWND box, const PanelPicture* picture) {
    BoxData* data = dataOf(box);
    if (data && data->picture != picture) {
        data->picture = picture;
        InvalidateRect(box, nullptr, FALSE);
    }
}

} // namespace picturebox
