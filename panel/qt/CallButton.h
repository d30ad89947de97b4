#pragma once

#include <QAbstractButton>
#include <QColor>

// A graphical push button: a raised face filled with its face colour and the
// caption centred on it in its text colour; pressed, the face sinks and the
// caption moves with it. The focus mark stays inside the button. The bevel
// takes the palette's light and shadow roles.
class CallButton final : public QAbstractButton {
    Q_OBJECT
public:
    CallButton(const QString& caption, QWidget* parent);

    void setColours(QColor face, QColor text);

    QSize sizeHint() const override { return {17, 17}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
    QColor text_;
};
