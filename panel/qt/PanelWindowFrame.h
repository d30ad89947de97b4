#pragma once

#include <QMargins>

// Who draws the panel window's frame: the border and the title bar with the
// icon, the caption and the close box.
enum class FrameDrawer {
    // The window manager or the compositor: on X11, on Windows, and on a
    // Wayland desktop that draws its windows' frames (KDE Plasma's).
    System,
    // The window itself: on a Wayland desktop that leaves the frames to its
    // windows (GNOME's, weston). Qt's own frames there offer a minimise and a
    // maximise box whatever the window asks for, and the panel has neither.
    Window,
};

// The frame the window draws itself, in pixels at 96 dpi around the client
// area. Each side is a multiple of 4, so that the client area starts on a
// whole device pixel at 125, 150, 175 and 200 %, and its controls meet the
// same device pixels as in a window whose frame the system draws.
inline constexpr QMargins OwnFrameMargins{4, 32, 4, 4};

// Who draws the frame where the application runs now. Needs a QGuiApplication.
FrameDrawer frameDrawerHere();
