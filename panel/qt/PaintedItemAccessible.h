#pragma once

#include "ControlId.h"

#include "LeafAccessible.h"

class PanelWindow;

// A control painted on the window's surface (a label, the floor digit), told
// to assistive technology as static text or an image of its own, since no
// widget stands for it.
class PaintedItemAccessible final : public LeafAccessible {
public:
    PaintedItemAccessible(PanelWindow& window, controls::ControlId id, QAccessible::Role role);

    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override;

    controls::ControlId id() const { return id_; }

private:
    controls::ControlId id_;
    QAccessible::Role role_;
};
