#include "PanelWindowTitleBar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

constexpr int IconSize = 16;
constexpr int IconLeft = 8;
constexpr int CloseSize = 20;
constexpr int CloseRight = 8;
// The cross inside the close box, as a share of the box.
constexpr qreal CrossShare = 0.36;

} // namespace

TitleBar::TitleBar(QWidget* window, int height)
    : QWidget(window) {
    setGeometry(0, 0, window->width(), height);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true); // the close box lights up under the pointer
    // The system's face, not the panel's: the caption is the desktop's, as in
    // a frame the system draws.
    QFont caption = QApplication::font();
    caption.setBold(true);
    setFont(caption);
}

QRect TitleBar::closeBox() const {
    return {width() - CloseRight - CloseSize, (height() - CloseSize) / 2, CloseSize, CloseSize};
}

bool TitleBar::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
        update(); // the caption is greyed while the window is not the active one
    }
    return QWidget::event(event);
}

void TitleBar::paintEvent(QPaintEvent*) {
    // The ground is the window's: it paints the whole frame.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool active = isActiveWindow();
    const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Disabled;
    const QColor ink = palette().color(group, QPalette::WindowText);

    const QIcon icon = window()->windowIcon();
    if (!icon.isNull()) {
        icon.paint(&p, IconLeft, (height() - IconSize) / 2, IconSize, IconSize);
    }

    const QRect box = closeBox();
    const int textInset = box.width() + CloseRight * 2;
    const QRect textArea = rect().adjusted(textInset, 0, -textInset, 0);
    p.setPen(ink);
    p.drawText(textArea, Qt::AlignCenter,
               fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, textArea.width()));

    if (hovered_ || pressed_) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette().color(pressed_ ? QPalette::Mid : QPalette::Midlight));
        p.drawEllipse(box);
    }
    const qreal half = box.width() * CrossShare / 2;
    const QPointF c = QRectF(box).center();
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
    p.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (closeBox().contains(event->position().toPoint())) {
        pressed_ = true;
        update();
    } else if (QWindow* handle = window()->windowHandle()) {
        handle->startSystemMove();
    }
}

void TitleBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    update();
    if (closeBox().contains(event->position().toPoint())) {
        window()->close();
    }
}

void TitleBar::mouseMoveEvent(QMouseEvent* event) {
    setHovered(closeBox().contains(event->position().toPoint()));
}

void TitleBar::leaveEvent(QEvent*) {
    setHovered(false);
}

void TitleBar::setHovered(bool hovered) {
    if (hovered != hovered_) {
        hovered_ = hovered;
        update(closeBox());
    }
}
