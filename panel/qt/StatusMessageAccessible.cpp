#include "StatusMessageAccessible.h"

#include "ControlNames.h"
#include "PanelWindow.h"

#include <utility>

StatusMessageAccessible::StatusMessageAccessible(PanelWindow& window, QString words)
    : LeafAccessible(window)
    , words_(std::move(words)) {}

QAccessibleInterface* StatusMessageAccessible::parent() const {
    QWidget* cabin = panel() ? panel()->control(controls::Picture1) : nullptr;
    return cabin ? QAccessible::queryAccessibleInterface(cabin) : nullptr;
}

QString StatusMessageAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? words_ : QString();
}

QRect StatusMessageAccessible::rect() const {
    // It has no place of its own: it is read where the cabin is.
    const QAccessibleInterface* cabin = parent();
    return cabin ? cabin->rect() : QRect();
}

QAccessible::State StatusMessageAccessible::state() const {
    QAccessible::State s;
    s.readOnly = true;
    s.invisible = !panel() || !panel()->isVisible();
    return s;
}
