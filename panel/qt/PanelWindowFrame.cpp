// Who draws the window's frame, and the part of it that the window paints
// itself when it is the window: the border around the client area and the
// title bar's ground.
#include "PanelWindowFrame.h"
#include "PanelWindow.h"

#include <QGuiApplication>
#include <QPainter>

#include <wayland-client.h>

#include <cstring>

namespace {

// Whether the Wayland compositor offers to draw its windows' frames (the
// xdg-decoration protocol), asked over a connection of our own: Qt's public
// interface does not say before the window is shown, and by then its frame
// is chosen.
bool compositorDrawsFrames() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        return false;
    }
    bool offered = false;
    static const wl_registry_listener listener = {
        [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
                *static_cast<bool*>(data) = true;
            }
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    if (wl_display_roundtrip(display) < 0) {
        offered = false;
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

} // namespace

FrameDrawer frameDrawerHere() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return FrameDrawer::System;
    }
    return compositorDrawsFrames() ? FrameDrawer::System : FrameDrawer::Window;
}

void PanelWindow::paintFrame(QPainter& painter, const QRect& dirty) {
    const QRect client(clientOrigin(), clientSize_);
    if (client.contains(dirty)) {
        return;
    }
    const QRect all = rect();
    for (const QRect& side :
         {QRect(0, 0, all.width(), client.top()),
          QRect(0, client.top(), client.left(), client.height()),
          QRect(client.right() + 1, client.top(), all.width() - client.right() - 1,
                client.height()),
          QRect(0, client.bottom() + 1, all.width(), all.height() - client.bottom() - 1)}) {
        painter.fillRect(side & dirty, palette().color(QPalette::Window));
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}
