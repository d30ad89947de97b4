#include "PanelAccessible.h"

#include "AccessibleTree.h"
#include "LineEditAccessible.h"
#include "PaintedItemAccessible.h"
#include "PanelWindow.h"
#include "PictureBox.h"
#include "StatusMessageAccessible.h"

#include <QLineEdit>

using namespace controls;

using layout::ControlEntry;
using layout::ControlKind;
using layout::findControl;

namespace {

QAccessible::Role qtRole(spoken::Role role) {
    switch (role) {
    case spoken::Role::Window:
        return QAccessible::Window;
    case spoken::Role::PushButton:
        return QAccessible::Button;
    case spoken::Role::EditableText:
        return QAccessible::EditableText;
    case spoken::Role::StaticText:
        return QAccessible::StaticText;
    case spoken::Role::Status:
        return QAccessible::StatusBar;
    case spoken::Role::Image:
        break;
    }
    return QAccessible::Graphic;
}

bool paintedOnSurface(ControlId id) {
    const ControlEntry* entry = findControl(id);
    return entry && entry->kind != ControlKind::PushButton &&
           entry->kind != ControlKind::PictureBox && entry->kind != ControlKind::TextBox;
}

QAccessibleInterface* panelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("PanelWindow")) {
        return new PanelWindowAccessible(static_cast<PanelWindow*>(object));
    }
    if (className == QLatin1String("PictureBox")) {
        return new PictureBoxAccessible(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("QLineEdit")) {
        return new LineEditAccessible(static_cast<QLineEdit*>(object));
    }
    return nullptr;
}

} // namespace

PanelWindowAccessible::PanelWindowAccessible(PanelWindow* window)
    : QAccessibleWidget(window, QAccessible::Window) {
    for (const spoken::AccessibleItem& item : spoken::readingOrder()) {
        if (paintedOnSurface(item.id)) {
            painted_.push_back(QAccessible::registerAccessibleInterface(
                new PaintedItemAccessible(*window, item.id, qtRole(item.role))));
        }
    }
}

PanelWindowAccessible::~PanelWindowAccessible() {
    for (const QAccessible::Id id : painted_) {
        QAccessible::deleteAccessibleInterface(id);
    }
    for (const QAccessible::Id id : statusMessages_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

PanelWindow* PanelWindowAccessible::panel() const {
    return static_cast<PanelWindow*>(widget());
}

QAccessibleInterface* PanelWindowAccessible::painted(ControlId id) const {
    for (const QAccessible::Id key : painted_) {
        auto* item = static_cast<PaintedItemAccessible*>(QAccessible::accessibleInterface(key));
        if (item && item->id() == id) {
            return item;
        }
    }
    return nullptr;
}

QAccessibleInterface* PanelWindowAccessible::statusMessage() const {
    return statusMessages_.empty() ? nullptr
                                   : QAccessible::accessibleInterface(statusMessages_.back());
}

QAccessibleInterface* PanelWindowAccessible::addStatusMessage(const QString& words) {
    // A travel tells one message a second; a reader is never this far behind.
    constexpr std::size_t kept = 16;
    auto* message = new StatusMessageAccessible(*panel(), words);
    statusMessages_.push_back(QAccessible::registerAccessibleInterface(message));
    if (statusMessages_.size() > kept) {
        QAccessible::deleteAccessibleInterface(statusMessages_.front());
        statusMessages_.pop_front();
    }
    return message;
}

int PanelWindowAccessible::childCount() const {
    return static_cast<int>(spoken::readingOrder().size());
}

QAccessibleInterface* PanelWindowAccessible::child(int index) const {
    const auto order = spoken::readingOrder();
    if (index < 0 || index >= static_cast<int>(order.size())) {
        return nullptr;
    }
    const ControlId id = order[static_cast<std::size_t>(index)].id;
    if (QWidget* widget = panel()->control(id)) {
        return QAccessible::queryAccessibleInterface(widget);
    }
    return painted(id);
}

int PanelWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (this->child(i) == child) {
            return i;
        }
    }
    return -1;
}

QString PanelWindowAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return QString::fromStdString(spoken::accessibleName(controls::Form1, nullptr));
    }
    return QAccessibleWidget::text(t);
}

PictureBoxAccessible::PictureBoxAccessible(QWidget* box)
    : QAccessibleWidget(box, QAccessible::Graphic) {}

PanelWindow* PictureBoxAccessible::panel() const {
    return qobject_cast<PanelWindow*>(widget()->window());
}

QAccessibleInterface* PictureBoxAccessible::parent() const {
    // The lamp of floor 3 lies inside another box; it is read beside the others.
    PanelWindow* window = panel();
    return window ? QAccessible::queryAccessibleInterface(window) : QAccessibleWidget::parent();
}

bool PictureBoxAccessible::isCabin() const {
    PanelWindow* window = panel();
    return window && window->idOf(widget()) == Picture1;
}

int PictureBoxAccessible::childCount() const {
    return child(0) ? 1 : 0;
}

QAccessibleInterface* PictureBoxAccessible::child(int index) const {
    if (index != 0 || !isCabin()) {
        return nullptr;
    }
    auto* frame =
        dynamic_cast<PanelWindowAccessible*>(QAccessible::queryAccessibleInterface(panel()));
    return frame ? frame->statusMessage() : nullptr;
}

int PictureBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child == this->child(0) ? 0 : -1;
}

QString PictureBoxAccessible::text(QAccessible::Text t) const {
    PanelWindow* window = panel();
    const auto id = window ? window->idOf(widget()) : std::nullopt;
    if (t == QAccessible::Name && id && spoken::accessibleItem(*id)) {
        return QString::fromStdString(spoken::accessibleName(*id, window->words()));
    }
    return QAccessibleWidget::text(t);
}

QAccessible::Role PictureBoxAccessible::role() const {
    PanelWindow* window = panel();
    const auto id = window ? window->idOf(widget()) : std::nullopt;
    const spoken::AccessibleItem* item = id ? spoken::accessibleItem(*id) : nullptr;
    return item ? qtRole(item->role) : QAccessible::Graphic;
}

void installPanelAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(panelFactory);
        installed = true;
    }
}
