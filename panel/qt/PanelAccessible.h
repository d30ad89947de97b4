#pragma once

#include "ControlId.h"

#include <QAccessibleWidget>

#include <deque>
#include <vector>

class PanelWindow;
class PaintedItemAccessible;

// `Form1` as assistive technology reads it: a frame named by its caption whose
// children are the panel's controls in reading order, the painted labels and
// the digit among them, the nested lamp boxes as plain children.
class PanelWindowAccessible final : public QAccessibleWidget {
public:
    explicit PanelWindowAccessible(PanelWindow* window);
    ~PanelWindowAccessible() override;

    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;

    // The interface of a painted control, or null.
    QAccessibleInterface* painted(controls::ControlId id) const;
    // The latest status message, a notification inside the cabin; null
    // before the first.
    QAccessibleInterface* statusMessage() const;
    // A new status message with these words, now the latest. The few before
    // it are kept for readers still coming to their events.
    QAccessibleInterface* addStatusMessage(const QString& words);

private:
    PanelWindow* panel() const;

    std::vector<QAccessible::Id> painted_;
    std::deque<QAccessible::Id> statusMessages_; // the latest last
};

// A picture box that stands for something (the cabin, a lamp, a sample lamp
// of the legend): named by what it shows, and a child of the window even where
// it is nested in another box. The cabin holds the last status message.
class PictureBoxAccessible final : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(QWidget* box);

    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;

private:
    PanelWindow* panel() const;
    bool isCabin() const;
};

// Makes Qt use the two above; once, before the window is shown.
void installPanelAccessibility();
