#pragma once

#include <QAbstractButton>
#include <QColor>

// A graphical push button: a raised face filled with the given colour and the
// caption centred on it; pressed, the face sinks and the caption moves with it.
// The focus mark stays inside the button.
class CallButton final : public QAbstractButton {
    Q_OBJECT
public:
    CallButton(const QString& caption, QColor face, QWidget* parent);

    QSize sizeHint() const override { return {17, 17}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};
