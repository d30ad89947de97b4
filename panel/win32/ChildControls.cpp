#include "ChildControls.h"

#include "GdiColours.h"
#include "PictureBox.h"
#include "PixelGeometry.h"
#include "TabStops.h"
#include "WideText.h"
#include "WindowPixelBounds.h"

#include <string>

using namespace controls;
using namespace layout;

namespace {

RECT rectOf(const ControlEntry& entry, const DisplayScale& scale) {
    const PixelRect r = scale.childRect(entry);
    return {r.left, r.top, r.right(), r.bottom()};
}

POINT originOf(const ControlEntry& entry) {
    const PixelRect r = windowPixelBounds(entry);
    return {r.left, r.top};
}

HMENU childId(const ControlEntry& entry) {
    return reinterpret_cast<HMENU>(
        static_cast<INT_PTR>(ChildControls::FirstChildId + entry.number));
}

} // namespace

ChildControls::ChildControls(HWND form, const PictureStore& pictures, HFONT font,
                             const DisplayScale& scale) {
    for (const ControlEntry& entry : controlTable()) {
        create(entry, form, pictures, font, scale);
    }
    orderTabStops();
}

void ChildControls::rescale(const PictureStore& before, const PictureStore& pictures, HFONT font,
                            const DisplayScale& scale) {
    for (auto& [key, picture] : pictures_) {
        for (std::size_t i = 0; i <= static_cast<std::size_t>(Picture::Digit5); ++i) {
            if (picture && picture == before.get(static_cast<Picture>(i))) {
                picture = pictures.get(static_cast<Picture>(i));
                break;
            }
        }
    }
    for (const ControlEntry& entry : controlTable()) {
        HWND child = window(entry.id);
        if (!child) {
            continue;
        }
        const RECT r = rectOf(entry, scale);
        SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (entry.kind == ControlKind::PictureBox) {
            picturebox::setPicture(child, picture(entry.id));
            picturebox::setPlacement(child, originOf(entry), scale);
            InvalidateRect(child, nullptr, FALSE);
        }
    }
}

void ChildControls::create(const ControlEntry& entry, HWND form, const PictureStore& pictures,
                           HFONT font, const DisplayScale& scale) {
    const ControlSettings& s = entry.settings;
    const ControlId key = entry.id;
    HWND container = entry.container == controls::Form1 ? form : window(entry.container);
    const RECT r = rectOf(entry, scale);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE));
    const DWORD visible = s.visible ? WS_VISIBLE : 0;
    HWND child = nullptr;

    switch (entry.kind) {
    case ControlKind::PushButton:
        child = CreateWindowExW(0, L"BUTTON", widen(s.caption).c_str(),
                                WS_CHILD | visible | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW,
                                r.left, r.top, r.right - r.left, r.bottom - r.top, container,
                                childId(entry), instance, nullptr);
        break;
    case ControlKind::TextBox:
        child = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", widen(s.caption).c_str(),
                                WS_CHILD | visible | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, r.left,
                                r.top, r.right - r.left, r.bottom - r.top, container,
                                childId(entry), instance, nullptr);
        break;
    case ControlKind::PictureBox:
        pictures_[key] = pictures.get(s.picture);
        child = picturebox::create(container, FirstChildId + entry.number, r,
                                   toColorRef(s.back.value_or(WindowBackground)), pictures_[key],
                                   originOf(entry), scale);
        break;
    case ControlKind::Image:
        pictures_[key] = pictures.get(s.picture);
        return;
    default:
        return; // painted on the surface, or a timer
    }
    if (child) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        windows_[key] = child;
    }
}

// Tab and the arrow keys follow the order of the windows: put the ones that
// take the focus in the order of their tab positions. They overlap nothing,
// so this changes no stacking that shows.
void ChildControls::orderTabStops() {
    HWND after = HWND_TOP;
    for (const ControlEntry* entry : tabStops()) {
        HWND w = window(entry->id);
        if (!w) {
            continue;
        }
        SetWindowPos(w, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = w;
    }
}

HWND ChildControls::window(ControlId id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second;
}

const PanelPicture* ChildControls::picture(ControlId id) const {
    const auto it = pictures_.find(id);
    return it == pictures_.end() ? nullptr : it->second;
}

void ChildControls::setPicture(ControlId id, const PanelPicture* picture) {
    const auto it = pictures_.find(id);
    if (it == pictures_.end()) {
        return;
    }
    it->second = picture;
    if (HWND box = window(id)) {
        picturebox::setPicture(box, picture);
    }
}

const ControlEntry* ChildControls::entryOfChildId(int id) {
    for (const ControlEntry& entry : controlTable()) {
        if (FirstChildId + entry.number == id) {
            return &entry;
        }
    }
    return nullptr;
}
