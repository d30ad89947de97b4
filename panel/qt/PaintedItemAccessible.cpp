#include "PaintedItemAccessible.h"

#include "AccessibleTree.h"
#include "PanelWindow.h"
#include "Twips.h"

using namespace controls;

using layout::ControlEntry;
using layout::findControl;

PaintedItemAccessible::PaintedItemAccessible(PanelWindow& window, ControlId id,
                                             QAccessible::Role role)
    : window_(&window)
    , id_(id)
    , role_(role) {}

bool PaintedItemAccessible::isValid() const {
    return !window_.isNull();
}

QWindow* PaintedItemAccessible::window() const {
    return window_ ? window_->windowHandle() : nullptr;
}

QAccessibleInterface* PaintedItemAccessible::parent() const {
    return window_ ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
}

QString PaintedItemAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !window_) {
        return {};
    }
    return QString::fromStdString(spoken::accessibleName(id_, window_->words()));
}

QRect PaintedItemAccessible::rect() const {
    const ControlEntry* entry = findControl(id_);
    if (!window_ || !entry) {
        return {};
    }
    const QRect local = pixelRect(*entry).translated(window_->clientOrigin());
    return {window_->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State PaintedItemAccessible::state() const {
    QAccessible::State s;
    s.readOnly = true;
    s.invisible = !window_ || !window_->isVisible();
    return s;
}
