#include "PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QColor back, PictureRef picture, QWidget* parent)
    : QWidget(parent)
    , back_(back)
    , picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(PictureRef picture) {
    if (picture != picture_) {
        picture_ = std::move(picture);
        update();
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (picture_) {
        picture_->paint(painter);
    }
}
