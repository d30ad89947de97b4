#include "PanelWindow.h"

#include "ButtonFace.h"
#include "GdiColours.h"
#include "PictureBox.h"
#include "PixelGeometry.h"
#include "SurfacePainter.h"
#include "WideText.h"
#include "WindowDpi.h"

#include <windowsx.h>

#include <string>

namespace {

using controls::Picture1;
using controls::Text1;
using controls::Timer1;
using controls::Timer2;

// Posted to itself on creation: the call buttons get their accessible names
// once the window is on the screen, so that loading the accessibility
// component does not hold up its first appearance.
constexpr UINT WM_NAME_CONTROLS = WM_APP + 1;
// Posted by the frame timer when the cabin is due a whole pixel further.
constexpr UINT WM_CABIN_FRAME = WM_APP + 2;

// A fixed-size window with a caption, the system menu and its close box only.
constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

UINT_PTR timerId(const ControlEntry& entry) {
    return static_cast<UINT_PTR>(ChildControls::FirstChildId + entry.number);
}

HINSTANCE instanceOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

} // namespace

PanelWindow::PanelWindow(HWND window)
    : hwnd_(window)
    , scale_(DisplayScale::ofDpi(static_cast<int>(windowdpi::ofWindow(window))))
    , pictures_(std::make_unique<PictureStore>(instanceOf(window), scale_))
    , fonts_(std::make_unique<WindowFonts>(scale_))
    , editBack_(CreateSolidBrush(toColorRef(TextBoxBack)))
    , panel_(*this, clock_)
    , frames_(window, WM_CABIN_FRAME) {}

PanelWindow::~PanelWindow() {
    DeleteObject(editBack_);
}

PanelWindow* PanelWindow::of(HWND window) {
    if (!window) {
        return nullptr;
    }
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wstring_view(name) != ClassName) {
        return nullptr;
    }
    return reinterpret_cast<PanelWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HWND PanelWindow::create(HINSTANCE instance) {
    picturebox::registerClass(instance);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PanelWindowProc;
    wc.hInstance = instance;
    wc.hIcon = loadPanelIcon(instance, GetSystemMetrics(SM_CXICON));
    wc.hIconSm = loadPanelIcon(instance, GetSystemMetrics(SM_CXSMICON));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);

    // Sized for the system's density here; WM_CREATE corrects the size when
    // the window's own screen differs.
    const WindowSettings& form = form1Settings();
    const UINT dpi = windowdpi::ofSystem();
    const DisplayScale scale = DisplayScale::ofDpi(static_cast<int>(dpi));
    const RECT frame = windowdpi::frameFor(
        {0, 0, scale.length(toPixels(form.clientWidth)), scale.length(toPixels(form.clientHeight))},
        FormStyle, dpi);
    return CreateWindowExW(0, ClassName, widen(form.caption).c_str(), FormStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                           nullptr, nullptr, instance, nullptr);
}

// --- PanelView ---------------------------------------------------------------

void PanelWindow::setCabinTop(int twips) {
    cabinTopTwips_ = twips;
    HWND cabin = control(Picture1);
    if (!cabin) {
        return;
    }
    RECT r{};
    GetWindowRect(cabin, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    const ControlEntry* entry = findControl(Picture1);
    const PixelRect place = scale_.rect(
        {toPixels(entry->left), toPixels(twips), toPixels(entry->width), toPixels(entry->height)});
    if (r.top != place.top || r.bottom - r.top != place.height) {
        SetWindowPos(cabin, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        picturebox::setPlacement(cabin, {toPixels(entry->left), toPixels(twips)}, scale_);
    }
}

void PanelWindow::takePicture(ControlId to, ControlId from) {
    const PanelPicture* picture = pictureOf(from);
    if (pictureOf(to) == picture) {
        return;
    }
    children_->setPicture(to, picture);
    if (!control(to)) {
        if (const ControlEntry* entry = findControl(to)) { // an image on the surface
            const RECT r = SurfacePainter::bounds(*entry, scale_);
            InvalidateRect(hwnd_, &r, FALSE);
        }
    }
}

void PanelWindow::setText1(const std::string& text) {
    HWND edit = control(Text1);
    if (!edit) {
        return;
    }
    std::string now(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    now.resize(static_cast<std::size_t>(GetWindowTextA(edit, now.data(), int(now.size()))));
    if (now != text) {
        SetWindowTextA(edit, text.c_str());
    }
}

void PanelWindow::setTimer2Interval(int milliseconds) {
    const ControlEntry* entry = findControl(Timer2);
    if (entry && milliseconds != timer2Interval_) {
        timer2Interval_ = milliseconds;
        SetTimer(hwnd_, timerId(*entry), static_cast<UINT>(milliseconds), nullptr);
    }
}

// --- Painting ----------------------------------------------------------------

void PanelWindow::PaintContent(HDC dc, const RECT& dirty) const {
    fillPixels(dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
               toColorRef(form1Settings().back));
    SurfacePainter surface(dc, *fonts_, scale_, [this](ControlId id) { return pictureOf(id); });
    paintSurface(surface,
                 {dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top},
                 scale_);
}

// --- Events ------------------------------------------------------------------

void PanelWindow::sizeClient(int left, int top) {
    const WindowSettings& form = form1Settings();
    const RECT frame = windowdpi::frameFor({0, 0, scale_.length(toPixels(form.clientWidth)),
                                            scale_.length(toPixels(form.clientHeight))},
                                           FormStyle, windowdpi::ofWindow(hwnd_));
    SetWindowPos(hwnd_, nullptr, left, top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PanelWindow::OnCreate() {
    if (windowdpi::ofWindow(hwnd_) != windowdpi::ofSystem()) {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        sizeClient(r.left, r.top);
    }
    children_ = std::make_unique<ChildControls>(hwnd_, *pictures_, fonts_->window(), scale_);
    PostMessageW(hwnd_, WM_NAME_CONTROLS, 0, 0);
    if (const ControlEntry* cabin = findControl(Picture1)) {
        cabinTopTwips_ = cabin->top;
    }
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind == ControlKind::Timer) {
            SetTimer(hwnd_, timerId(entry), static_cast<UINT>(entry.settings.intervalMs), nullptr);
            if (entry.id == Timer2) {
                timer2Interval_ = entry.settings.intervalMs;
            }
        }
    }
}

void PanelWindow::OnNameControls() {
    children_->nameCallButtons();
}

void PanelWindow::OnTimer(UINT id) {
    const ControlEntry* entry = ChildControls::entryOfChildId(static_cast<int>(id));
    if (!entry) {
        return;
    }
    if (entry->id == Timer1) {
        panel_.Timer1_Timer();
        followTravel();
    } else if (entry->id == Timer2) {
        panel_.Timer2_Timer();
    }
}

void PanelWindow::OnCommand(int id, UINT code) {
    const ControlEntry* entry = ChildControls::entryOfChildId(id);
    if (entry && entry->kind == ControlKind::PushButton &&
        (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
        panel_.Command1_Click(static_cast<std::int16_t>(entry->id.index));
    }
}

void PanelWindow::OnFrame() {
    panel_.advanceTravel();
    followTravel();
}

// Wake when the cabin is due a whole pixel further: every wake moves it.
void PanelWindow::followTravel() {
    if (panel_.travelling()) {
        frames_.arm(panel_.untilAhead(TwipsPerPixel));
    } else {
        frames_.cancel();
    }
}

void PanelWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const ControlEntry* entry = ChildControls::entryOfChildId(static_cast<int>(item.CtlID));
    if (entry && entry->kind == ControlKind::PushButton) {
        drawButtonFace(item, toColorRef(entry->settings.back.value_or(ScrollBar)),
                       fonts_->window());
    }
}

HBRUSH PanelWindow::OnCtlColorEdit(HDC dc) {
    const ControlEntry* entry = findControl(Text1);
    SetTextColor(dc, toColorRef(entry ? entry->settings.fore.value_or(WindowText) : WindowText));
    SetBkColor(dc, toColorRef(TextBoxBack));
    return editBack_;
}

// The focus comes back to the control that had it when the window lost it, as
// in a dialog.
void PanelWindow::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        focus_ = focus && IsChild(hwnd_, focus) ? focus : nullptr;
    }
}

void PanelWindow::OnSetFocus() {
    HWND target = focus_ ? focus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target) {
        SetFocus(target);
    }
}

// Everything drawn at the old scale is made again at the new one; the cabin
// keeps its place in twips, and a travel goes on from there at its pace.
void PanelWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    scale_ = DisplayScale::ofDpi(static_cast<int>(dpi));
    auto fonts = std::make_unique<WindowFonts>(scale_);
    auto pictures = std::make_unique<PictureStore>(instanceOf(hwnd_), scale_);
    children_->rescale(*pictures_, *pictures, fonts->window(), scale_);
    fonts_ = std::move(fonts);
    pictures_ = std::move(pictures);
    setCabinTop(cabinTopTwips_);
    // The caption's and the task bar's icons at the new density's sizes.
    const HINSTANCE instance = instanceOf(hwnd_);
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(loadPanelIcon(instance, scale_.length(32))));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(loadPanelIcon(instance, scale_.length(16))));
    // The size Windows suggests is the old one scaled, which rounds otherwise
    // than the panel; only its corner is taken.
    sizeClient(suggested.left, suggested.top);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// --- The window procedure ------------------------------------------------------
// Each message goes to a small handler; the instance hangs on the window from
// WM_NCCREATE to WM_NCDESTROY.

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

} // namespace

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
    case WM_NAME_CONTROLS:
        self(window)->OnNameControls();
        return 0;
    case WM_CABIN_FRAME:
        self(window)->OnFrame();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
