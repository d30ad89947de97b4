#include "PanelWindow.h"

#include "AccessibleControl.h"
#include "ButtonFace.h"
#include "GdiColours.h"
#include "PictureBox.h"
#include "PixelGeometry.h"
#include "PortFile.h"
#include "SurfacePainter.h"
#include "WideText.h"
#include "WindowDpi.h"

#include <new>
#include <string>

using namespace controls;
using namespace layout;

namespace {

using controls::Picture1;
using controls::Text1;
using controls::Timer2;

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
    , words_(*this, cabinStartTop())
    , speech_(window)
    , panel_(words_, clock_, cabinStartTop(), portio::TryWritePort)
    , frames_(window, WM_CABIN_FRAME)
    , driver_(panel_, frames_) {
    words_.setListener(&speech_);
}

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
    if (!picturebox::registerClass(instance)) {
        return nullptr;
    }

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PanelWindowProc;
    wc.hInstance = instance;
    wc.hIcon = loadPanelIcon(instance, GetSystemMetrics(SM_CXICON));
    wc.hIconSm = loadPanelIcon(instance, GetSystemMetrics(SM_CXSMICON));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = ClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return nullptr;
    }

    // Sized for the system's density here; WM_CREATE corrects the size when
    // the window's own screen differs.
    const WindowSettings& form = form1Settings();
    const UINT dpi = windowdpi::ofSystem();
    const DisplayScale scale = DisplayScale::ofDpi(static_cast<int>(dpi));
    const RECT frame = windowdpi::frameFor(
        {0, 0, scale.length(toPixels(form.clientWidth)), scale.length(toPixels(form.clientHeight))},
        FormStyle, dpi);
    std::wstring caption;
    try {
        caption = widen(form.caption);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return CreateWindowExW(0, ClassName, caption.c_str(), FormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           instance, nullptr);
}

// --- PanelView ---------------------------------------------------------------

void PanelWindow::setCabinTop(int twips) {
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
    // The same id: the running timer takes the new interval from now on.
    if (const ControlEntry* entry = findControl(Timer2)) {
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
    hookAccessibleChildren(*this);
    PostMessageW(hwnd_, WM_PREPARE_SPEECH, 0, 0);
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind == ControlKind::Timer) {
            SetTimer(hwnd_, timerId(entry), static_cast<UINT>(entry.settings.intervalMs), nullptr);
        }
    }
}

void PanelWindow::OnPrepareSpeech() {
    speech_.prepare(systemNotification());
}

LRESULT PanelWindow::OnGetObject(WPARAM flags, LPARAM objectId) {
    return answerGetObject(hwnd_, controls::Form1, flags, objectId);
}

void PanelWindow::OnTimer(UINT id) {
    if (const ControlEntry* entry = ChildControls::entryOfChildId(static_cast<int>(id))) {
        driver_.tick(entry->id);
    }
}

void PanelWindow::OnCommand(int id, UINT code) {
    const ControlEntry* entry = ChildControls::entryOfChildId(id);
    if (entry && entry->kind == ControlKind::PushButton &&
        (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
        driver_.click(entry->id.index);
    }
}

void PanelWindow::OnFrame() {
    driver_.wake();
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
    setCabinTop(panel_.state().Picture1Top);
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
