#pragma once

#include "LeafAccessible.h"

class PanelWindow;

// The last message the panel told, as a notification inside the cabin's
// status bar. Where Qt's AT-SPI bridge cannot carry a message's text itself,
// showing this object again is how a screen reader hears the message: it
// speaks a notification that shows, reading its name from the object.
class StatusMessageAccessible final : public LeafAccessible {
public:
    explicit StatusMessageAccessible(PanelWindow& window);

    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;
};
