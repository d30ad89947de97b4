#pragma once

#include "LeafAccessible.h"

class PanelWindow;

// A message the panel told, as a notification inside the cabin's status bar,
// named by its words for good. Where Qt's AT-SPI bridge cannot carry a
// message's text itself, a notification that shows is how a screen reader
// hears it: it reads the words from the object the event names. Each message
// is an object of its own, so that a reader that comes to an event after the
// next message was told still reads the words the event was for.
class StatusMessageAccessible final : public LeafAccessible {
public:
    StatusMessageAccessible(PanelWindow& window, QString words);

    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    QString words_;
};
