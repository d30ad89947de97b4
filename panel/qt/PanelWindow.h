#pragma once

#include "ControlTable.h"
#include "PanelLook.h"
#include "PanelPicture.h"
#include "PanelView.h"
#include "PanelWindowFrame.h"

#include <QWidget>

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace spoken {
class SpeakingView;
}

class CallButton;
class PictureBox;
class QLineEdit;
class QPainter;
class QTimer;
class TitleBar;

// `Form1`: the panel window, built from the control table. Buttons, picture
// boxes and the text box are child widgets; labels, lines, shapes and images
// are painted on the window's own surface. It draws and delivers events; what
// they mean is the panel's business.
//
// Where the window draws its frame itself (FrameDrawer::Window), the client
// area lies inside it at clientOrigin(); everything named by the control
// table is placed and painted from there.
class PanelWindow final : public QWidget, public lift::PanelView {
    Q_OBJECT
public:
    explicit PanelWindow(FrameDrawer frame = FrameDrawer::System);
    ~PanelWindow() override;

    // The top-left corner of the client area in the window: 0,0 unless the
    // window draws its own frame.
    QPoint clientOrigin() const { return {frame_.left(), frame_.top()}; }
    // The title bar of the frame the window draws itself, or null.
    TitleBar* titleBar() const { return titleBar_; }

    // PanelView
    void setCabinTop(int twips) override;
    void takePicture(controls::ControlId to, controls::ControlId from) override;
    void setText1(const std::string& text) override;
    void setTimer2Interval(int milliseconds) override;

    // The child widget of a button, picture box or the text box; null otherwise.
    QWidget* control(controls::ControlId id) const;
    // The control a child widget stands for.
    std::optional<controls::ControlId> idOf(const QWidget* widget) const;
    // What the panel's words say now, for assistive technology; null where the
    // window runs without the panel.
    const spoken::SpeakingView* words() const { return words_; }
    void setWords(const spoken::SpeakingView* words) { words_ = words; }

    // What a picture box or image shows now.
    PictureRef pictureOf(controls::ControlId id) const;
    // `Timer1` or `Timer2`, made with its design interval and not started.
    QTimer* timer(controls::ControlId id) const;

    // The face and colours every part of the window shows now.
    const PanelLook& look() const { return look_; }
    // From now on, shows these system colours instead of the palette's: to
    // render the window as another platform colours it.
    void setSystemColours(const SystemColours& colours);

signals:
    void commandClicked(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControl(const layout::ControlEntry& entry);
    // A rectangle of the client area in the window's pixels.
    QRect inWindow(const QRect& client) const { return client.translated(clientOrigin()); }
    // The border and the title bar's ground of the frame the window draws itself.
    void paintFrame(QPainter& painter, const QRect& dirty);
    void stackAndOrder();

    // The look for the window's screen and palette as they are now.
    PanelLook lookNow() const;
    // Makes the look match the screen and the palette again, and repaints.
    void refreshLook();
    // Gives the window, and so every child widget, the look's face.
    void applyFont();
    // Gives every child widget the look's colours.
    void applyColours();

    std::map<controls::ControlId, QWidget*> widgets_;
    std::map<controls::ControlId, PictureRef> pictures_;
    std::map<controls::ControlId, QTimer*> timers_;
    QLineEdit* text1_ = nullptr;
    QWidget* cabin_ = nullptr;
    QMargins frame_;
    QSize clientSize_;
    TitleBar* titleBar_ = nullptr;
    std::optional<SystemColours> fixedColours_;
    PanelLook look_;
    const spoken::SpeakingView* words_ = nullptr;
};
