#pragma once

#include <windows.h>

// The density a window is drawn at. The functions that tell it per monitor
// came after Windows 7, so each is looked up when the program runs and falls
// back to the system-wide density where it is missing.
namespace windowdpi {

// The density of the screen the window is on, or of the whole system.
UINT ofWindow(HWND window);
// The system-wide density: a new window's, before it has a monitor.
UINT ofSystem();

// The outer rectangle of a window of `style` whose client area is `client`,
// with the caption and borders of the given density.
RECT frameFor(RECT client, DWORD style, UINT dpi);

// Lets the caption and borders follow the window's monitor under the first
// per-monitor model of Windows 10; later ones do it by themselves. Call on
// WM_NCCREATE.
void scaleNonClientArea(HWND window);

} // namespace windowdpi
