#include "CallButton.h"

#include <QPainter>

CallButton::CallButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CallButton::setColours(QColor face, QColor text) {
    if (face != face_ || text != text_) {
        face_ = face;
        text_ = text;
        update();
    }
}

void CallButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown();
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor frame = palette().color(QPalette::Shadow);

    p.fillRect(r, face_);

    // Classic bevel: an outer black frame, and inside it light top-left and
    // dark bottom-right edges, swapped when the button is down.
    p.setPen(frame);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect inner = r.adjusted(1, 1, -2, -2);
    p.setPen(down ? shadow : light);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(down ? light : shadow);
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomRight());

    QRect face = r.adjusted(2, 2, -2, -2);
    if (down) {
        face.translate(1, 1);
    }
    if (!text().isEmpty()) {
        p.setPen(text_);
        p.setFont(font());
        p.drawText(face, Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(text_, 1, Qt::DotLine));
        p.drawRect(face.adjusted(0, 0, -1, -1));
    }
}
