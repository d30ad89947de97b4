#include "PanelSpeech.h"

#include "PanelAccessible.h"
#include "PanelWindow.h"
#include "SpeakingView.h"

#include <QAccessible>
#include <QApplication>

using namespace controls;

PanelSpeech::PanelSpeech(PanelWindow& window, spoken::SpeakingView& words)
    : window_(window)
    , words_(words) {
    window_.setWords(&words_);
    words_.setListener(this);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // A message is news while its control has the focus, not when the user
    // comes back to that control later.
    if (qApp) {
        focusWatch_ = QObject::connect(qApp, &QApplication::focusChanged, &window_,
                                       [this](QWidget* old, QWidget*) {
                                           if (describing_ && describing_ == old) {
                                               describing_->setAccessibleDescription({});
                                               describing_ = nullptr;
                                           }
                                       });
    }
#endif
}

PanelSpeech::~PanelSpeech() {
    QObject::disconnect(focusWatch_);
    words_.setListener(nullptr);
    window_.setWords(nullptr);
}

void PanelSpeech::announce(const std::string& message) {
    const QString text = QString::fromStdString(message);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(&window_, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // Screen readers speak a change of the focused control's description and
    // pass over changes elsewhere. With nothing of the panel focused, the
    // window takes it.
    QWidget* focused = QApplication::focusWidget();
    if (!focused || focused->window() != &window_) {
        focused = &window_;
    }
    if (describing_ && describing_ != focused) {
        describing_->setAccessibleDescription({}); // an old message is no description
    }
    if (focused->accessibleDescription() == text) {
        focused->setAccessibleDescription({}); // the same words again are still news
    }
    focused->setAccessibleDescription(text);
    describing_ = focused;
#endif
}

void PanelSpeech::wordsChanged(ControlId id) {
    if (!QAccessible::isActive()) {
        return;
    }
    if (QWidget* widget = window_.control(id)) {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
        return;
    }
    auto* frame =
        dynamic_cast<PanelWindowAccessible*>(QAccessible::queryAccessibleInterface(&window_));
    if (QAccessibleInterface* painted = frame ? frame->painted(id) : nullptr) {
        QAccessibleEvent event(painted, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}
