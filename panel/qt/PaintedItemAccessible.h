#pragma once

#include "ControlId.h"

#include <QAccessibleInterface>
#include <QPointer>

class PanelWindow;

// A control painted on the window's surface (a label, the floor digit), told
// to assistive technology as static text or an image of its own, since no
// widget stands for it.
class PaintedItemAccessible final : public QAccessibleInterface {
public:
    PaintedItemAccessible(PanelWindow& window, controls::ControlId id, QAccessible::Role role);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override;

    controls::ControlId id() const { return id_; }

private:
    QPointer<PanelWindow> window_;
    controls::ControlId id_;
    QAccessible::Role role_;
};
