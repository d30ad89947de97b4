#pragma once

#include "PanelPicture.h"

#include <windows.h>

// A picture box: a child window that fills itself with its back colour and
// shows its picture from its top-left corner. Being a window, it clips what it
// shows and the boxes inside it, and moves as one.
namespace picturebox {

inline constexpr const wchar_t* ClassName = L"PelmoPictureBox";

void registerClass(HINSTANCE instance);

HWND create(HWND parent, int id, RECT bounds, COLORREF back, const PanelPicture* picture);

const PanelPicture* picture(HWND box);
// Repaints only when the picture changes.
void setPicture(HWND box, const PanelPicture* picture);

} // namespace picturebox
