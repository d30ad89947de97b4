#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class PanelWindow;

// Something of the panel that assistive technology reads but no widget stands
// for (a painted label, the status message): an object of the window with no
// children, valid while the window lives.
class LeafAccessible : public QAccessibleInterface {
public:
    explicit LeafAccessible(PanelWindow& window);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    PanelWindow* panel() const { return window_.data(); }

private:
    QPointer<PanelWindow> window_;
};
