#pragma once

#include <QWidget>

// The title bar of the frame the panel window draws itself: the icon, the
// caption and a close box, and neither a minimise nor a maximise box, as in
// the design's frame. Dragging it moves the window through the compositor; a
// click on the close box closes the window. It takes no focus, so the
// keyboard goes round the panel's controls as it does under a system frame.
class TitleBar final : public QWidget {
    Q_OBJECT
public:
    // Across the top of `window`, `height` pixels high.
    TitleBar(QWidget* window, int height);

    // The close box, in the bar's own pixels.
    QRect closeBox() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setHovered(bool hovered);

    bool hovered_ = false;
    bool pressed_ = false;
};
