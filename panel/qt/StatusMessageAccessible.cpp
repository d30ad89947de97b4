#include "StatusMessageAccessible.h"

#include "ControlNames.h"
#include "PanelWindow.h"
#include "SpeakingView.h"

StatusMessageAccessible::StatusMessageAccessible(PanelWindow& window)
    : LeafAccessible(window) {}

QAccessibleInterface* StatusMessageAccessible::parent() const {
    QWidget* cabin = panel() ? panel()->control(controls::Picture1) : nullptr;
    return cabin ? QAccessible::queryAccessibleInterface(cabin) : nullptr;
}

QString StatusMessageAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !panel() || !panel()->words()) {
        return {};
    }
    return QString::fromStdString(panel()->words()->lastMessage());
}

QRect StatusMessageAccessible::rect() const {
    // It has no place of its own: it is read where the cabin is.
    const QAccessibleInterface* cabin = parent();
    return cabin ? cabin->rect() : QRect();
}

QAccessible::State StatusMessageAccessible::state() const {
    QAccessible::State s;
    s.readOnly = true;
    s.invisible = !panel() || !panel()->isVisible() || text(QAccessible::Name).isEmpty();
    return s;
}
