// The window's look: one face and one set of colours for every part of it,
// made again whenever the screen, its pixel ratio, the palette or the theme
// changes.
#include "PanelWindow.h"

#include "CallButton.h"
#include "PictureBox.h"

#include <QEvent>
#include <QLineEdit>

using namespace layout;

namespace {

bool changesLook(QEvent::Type type) {
    switch (type) {
    case QEvent::Show: // the screen the window opens on
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        return true;
    default:
        return false;
    }
}

} // namespace

void PanelWindow::setSystemColours(const SystemColours& colours) {
    fixedColours_ = colours;
    refreshLook();
}

bool PanelWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event); // brings the palette up to date first
    if (changesLook(event->type())) {
        refreshLook();
    }
    return handled;
}

PanelLook PanelWindow::lookNow() const {
    return PanelLook(devicePixelRatioF(),
                     fixedColours_.value_or(SystemColours::fromPalette(palette())));
}

void PanelWindow::refreshLook() {
    PanelLook now = lookNow();
    if (now == look_) {
        return;
    }
    look_ = std::move(now);
    applyFont();
    applyColours();
    update();
}

void PanelWindow::applyFont() {
    setFont(look_.font()); // the buttons and the text box take the window's font
}

void PanelWindow::applyColours() {
    for (const ControlEntry& entry : controlTable()) {
        const ControlSettings& s = entry.settings;
        QWidget* widget = control(entry.id);
        if (auto* button = qobject_cast<CallButton*>(widget)) {
            button->setColours(look_.colour(s.back.value_or(ScrollBar)),
                               look_.colour(s.fore.value_or(ButtonText)));
        } else if (auto* box = qobject_cast<PictureBox*>(widget)) {
            box->setBack(look_.colour(s.back.value_or(WindowBackground)));
        } else if (auto* text = qobject_cast<QLineEdit*>(widget)) {
            QPalette palette = text->palette();
            palette.setColor(QPalette::Base, look_.colour(s.back.value_or(TextBoxBack)));
            palette.setColor(QPalette::Text, look_.colour(s.fore.value_or(WindowText)));
            text->setPalette(palette);
        }
    }
}
