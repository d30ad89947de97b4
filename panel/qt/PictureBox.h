#pragma once

#include "PanelPicture.h"

#include <QColor>
#include <QWidget>

// A picture box: its back colour (set by the window) with a picture on it at natural size from the
// top-left corner, cut off at the edges. No frame, so the picture starts at the
// box's own corner. Boxes nested in it are child widgets and lie above it.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(PictureRef picture, QWidget* parent);

    const PictureRef& picture() const { return picture_; }
    void setPicture(PictureRef picture);
    void setBack(QColor back);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
    PictureRef picture_;
};
