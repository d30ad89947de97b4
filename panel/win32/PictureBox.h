#pragma once

#include "PanelPicture.h"

#include <windows.h>

// A picture box: a child window that fills itself with its back colour and
// shows its picture from its top-left corner. Being a window, it clips what it
// shows and the boxes inside it, and moves as one.
namespace picturebox {

inline constexpr const wchar_t* ClassName = L"PelmoPictureBox";

// False when Windows cannot register the class (it is out of atoms or memory).
bool registerClass(HINSTANCE instance);

// Null when Windows cannot make the window; the panel goes on without it.
// `bounds` is in device pixels of the parent; `origin` is the box's corner in
// the window at 96 dots per inch, from which its picture is scaled as the
// window's other edges are.
HWND create(HWND parent, int id, RECT bounds, COLORREF back, const PanelPicture* picture,
            POINT origin, const layout::DisplayScale& scale);

// A new corner or scale: after the cabin moves, or the window moves to a
// screen of another density. The caller moves the box itself.
void setPlacement(HWND box, POINT origin, const layout::DisplayScale& scale);

// Repaints only when the picture changes.
void setPicture(HWND box, const PanelPicture* picture);

} // namespace picturebox
