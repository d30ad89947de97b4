#include "LeafAccessible.h"

#include "PanelWindow.h"

LeafAccessible::LeafAccessible(PanelWindow& window)
    : window_(&window) {}

bool LeafAccessible::isValid() const {
    return !window_.isNull();
}

QWindow* LeafAccessible::window() const {
    return window_ ? window_->windowHandle() : nullptr;
}
