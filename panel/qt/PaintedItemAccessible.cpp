#include "PaintedItemAccessible.h"

#include "AccessibleTree.h"
#include "PanelWindow.h"
#include "Twips.h"

using namespace controls;

using layout::ControlEntry;
using layout::findControl;

PaintedItemAccessible::PaintedItemAccessible(PanelWindow& window, ControlId id,
                                             QAccessible::Role role)
    : LeafAccessible(window)
    , id_(id)
    , role_(role) {}

QAccessibleInterface* PaintedItemAccessible::parent() const {
    return panel() ? QAccessible::queryAccessibleInterface(panel()) : nullptr;
}

QString PaintedItemAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !panel()) {
        return {};
    }
    return QString::fromStdString(spoken::accessibleName(id_, panel()->words()));
}

QRect PaintedItemAccessible::rect() const {
    const ControlEntry* entry = findControl(id_);
    if (!panel() || !entry) {
        return {};
    }
    const QRect local = pixelRect(*entry).translated(panel()->clientOrigin());
    return {panel()->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State PaintedItemAccessible::state() const {
    QAccessible::State s;
    s.readOnly = true;
    s.invisible = !panel() || !panel()->isVisible();
    return s;
}
