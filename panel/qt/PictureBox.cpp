#include "PictureBox.h"

#include <QPainter>

using namespace layout;

PictureBox::PictureBox(PictureRef picture, QWidget* parent)
    : QWidget(parent)
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

void PictureBox::setBack(QColor back) {
    if (back != back_) {
        back_ = back;
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
