#include "PictureBox.h"

#include "GdiColours.h"

#include <windowsx.h>

#include <memory>

using namespace layout;

namespace {

// The box's instance data, attached to its window.
struct BoxData {
    COLORREF back;
    const PanelPicture* picture;
    POINT origin;
    DisplayScale scale;
};

BoxData* dataOf(HWND box) {
    return reinterpret_cast<BoxData*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

// Where the picture lands in the box: its edges in the window scaled, as
// every other edge is, counted from the box's scaled corner.
PixelRect pictureRect(const BoxData& data) {
    if (!data.picture) {
        return {};
    }
    const SIZE size = data.picture->size();
    const PixelRect r = data.scale.rect({data.origin.x, data.origin.y, size.cx, size.cy});
    return {0, 0, r.width, r.height};
}

PicturePlace placeOf(const BoxData& data) {
    return {data.origin.x, data.origin.y, data.scale, data.scale.edge(data.origin.x),
            data.scale.edge(data.origin.y)};
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
        data->picture->paint(dc, placeOf(*data));
    }
}

// The box takes its data over from create(): from here on WM_NCDESTROY frees it.
BOOL OnNCCreate(HWND box, LPCREATESTRUCTW create) {
    auto* data = static_cast<std::unique_ptr<BoxData>*>(create->lpCreateParams);
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data->release()));
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

bool registerClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BoxProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = ClassName;
    return RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND create(HWND parent, int id, RECT bounds, COLORREF back, const PanelPicture* picture,
            POINT origin, const DisplayScale& scale) {
    // Ours until the box takes it on WM_NCCREATE: a window that is never
    // made leaves it here to be freed.
    auto data = std::make_unique<BoxData>(BoxData{back, picture, origin, scale});
    return CreateWindowExW(
        0, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, bounds.left,
        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), &data);
}

void setPlacement(HWND box, POINT origin, const DisplayScale& scale) {
    BoxData* data = dataOf(box);
    if (!data) {
        return;
    }
    const PixelRect before = pictureRect(*data);
    data->origin = origin;
    data->scale = scale;
    const PixelRect after = pictureRect(*data);
    // A box that only moves keeps its pixels, unless its picture's scaled
    // size changes with the rounding of its new edges.
    if (before.width != after.width || before.height != after.height) {
        InvalidateRect(box, nullptr, FALSE);
    }
}

void setPicture(HWND box, const PanelPicture* picture) {
    BoxData* data = dataOf(box);
    if (data && data->picture != picture) {
        data->picture = picture;
        InvalidateRect(box, nullptr, FALSE);
    }
}

} // namespace picturebox
