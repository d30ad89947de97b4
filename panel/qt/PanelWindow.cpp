#include "PanelWindow.h"

#include "AccessibleTree.h"
#include "CallButton.h"
#include "CallButtonName.h"
#include "PanelAccessible.h"
#include "PanelArt.h"
#include "PanelWindowTitleBar.h"
#include "PictureBox.h"
#include "SurfacePainter.h"
#include "TabStops.h"
#include "Twips.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <vector>

using namespace controls;
using namespace layout;

namespace {

using controls::Picture1;
using controls::Timer2;

} // namespace

PanelWindow::PanelWindow(FrameDrawer frame)
    : QWidget(nullptr, frame == FrameDrawer::Window
                           ? Qt::Window | Qt::FramelessWindowHint
                           : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , frame_(frame == FrameDrawer::Window ? OwnFrameMargins : QMargins())
    , look_(lookNow()) {
    installPanelAccessibility();
    const WindowSettings& form = form1Settings();
    setWindowTitle(QString::fromUtf8(form.caption.data(), qsizetype(form.caption.size())));
    setWindowIcon(panelIcon());
    clientSize_ = QSize(toPixels(form.clientWidth), toPixels(form.clientHeight));
    setFixedSize(clientSize_.grownBy(frame_));
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyFont(); // before the children exist, so none has to take it over later

    for (const ControlEntry& entry : controlTable()) {
        createControl(entry);
    }
    stackAndOrder();
    applyColours();
    if (frame == FrameDrawer::Window) {
        titleBar_ = new TitleBar(this, frame_.top());
    }
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::createControl(const ControlEntry& entry) {
    const ControlSettings& s = entry.settings;
    const ControlId key = entry.id;
    QWidget* container = entry.container == controls::Form1 ? this : widgets_.at(entry.container);
    QWidget* widget = nullptr;

    switch (entry.kind) {
    case ControlKind::PushButton: {
        auto* button = new CallButton(
            QString::fromUtf8(s.caption.data(), qsizetype(s.caption.size())), container);
        const int index = entry.id.index;
        if (const auto name = callButtonName(index)) {
            button->setAccessibleName(QString::fromStdString(*name));
        }
        connect(button, &QAbstractButton::clicked, this,
                [this, index] { emit commandClicked(index); });
        widget = button;
        break;
    }
    case ControlKind::PictureBox: {
        pictures_[key] = loadPicture(s.picture);
        widget = new PictureBox(pictures_[key], container);
        break;
    }
    case ControlKind::TextBox: {
        text1_ = new QLineEdit(QString::fromUtf8(s.caption.data(), qsizetype(s.caption.size())),
                               container);
        text1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        text1_->setAccessibleName(
            QString::fromStdString(spoken::accessibleName(controls::Text1, nullptr)));
        widget = text1_;
        break;
    }
    case ControlKind::Timer: {
        auto* timer = new QTimer(this);
        timer->setInterval(s.intervalMs);
        timers_[key] = timer;
        return;
    }
    case ControlKind::Image:
        pictures_[key] = loadPicture(s.picture);
        return;
    default:
        return; // painted on the surface
    }

    // Boxes nested in another are placed within it; the rest in the client area.
    widget->setGeometry(entry.container == controls::Form1 ? inWindow(pixelRect(entry))
                                                           : pixelRect(entry));
    widget->setVisible(s.visible);
    widgets_[key] = widget;
    if (entry.id == Picture1) {
        cabin_ = widget;
    }
}

void PanelWindow::stackAndOrder() {
    const auto table = controlTable();
    // The list runs front to back: raising from the back leaves the first on top.
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        if (QWidget* w = control(it->id)) {
            w->raise();
        }
    }

    const std::vector<const ControlEntry*> stops = tabStops();
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(control(stops[i - 1]->id), control(stops[i]->id));
    }
}

QWidget* PanelWindow::control(ControlId id) const {
    const auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

std::optional<ControlId> PanelWindow::idOf(const QWidget* widget) const {
    for (const auto& [id, w] : widgets_) {
        if (w == widget) {
            return id;
        }
    }
    return std::nullopt;
}

PictureRef PanelWindow::pictureOf(ControlId id) const {
    const auto it = pictures_.find(id);
    return it == pictures_.end() ? nullptr : it->second;
}

QTimer* PanelWindow::timer(ControlId id) const {
    const auto it = timers_.find(id);
    return it == timers_.end() ? nullptr : it->second;
}

void PanelWindow::setCabinTop(int twips) {
    const int y = clientOrigin().y() + toPixels(twips); // the cabin stands in the client area
    if (cabin_ && cabin_->y() != y) {
        cabin_->move(cabin_->x(), y);
    }
}

void PanelWindow::takePicture(ControlId to, ControlId from) {
    const auto source = pictures_.find(from);
    const auto target = pictures_.find(to);
    if (source == pictures_.end() || target == pictures_.end() ||
        target->second == source->second) {
        return;
    }
    target->second = source->second;
    if (auto* box = qobject_cast<PictureBox*>(control(to))) {
        box->setPicture(source->second);
    } else if (const ControlEntry* entry = findControl(to)) {
        update(inWindow(pixelRect(*entry))); // an image on the surface
    }
}

void PanelWindow::setText1(const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (text1_ && text1_->text() != value) {
        text1_->setText(value);
    }
}

void PanelWindow::setTimer2Interval(int milliseconds) {
    if (QTimer* t = timer(Timer2)) {
        t->setInterval(milliseconds); // a running timer starts its countdown again
    }
}

void PanelWindow::paintEvent(QPaintEvent* event) {
    // The moving cabin uncovers a strip of the shaft at every frame: paint only
    // what lies in the damaged area, not every label on the panel.
    QPainter painter(this);
    if (titleBar_) {
        paintFrame(painter, event->rect());
        painter.translate(clientOrigin());
    }
    const QRect dirty = event->rect().translated(-clientOrigin()) & QRect(QPoint(), clientSize_);
    painter.fillRect(dirty, look_.colour(form1Settings().back));
    SurfacePainter surface(painter, look_, [this](ControlId id) { return pictureOf(id); });
    paintSurface(surface, {dirty.x(), dirty.y(), dirty.width(), dirty.height()});
}
