#include "PanelSpeech.h"

#include "LaterQtAnnouncement.h"
#include "PanelAccessible.h"
#include "PanelWindow.h"
#include "SpeakingView.h"

#include <QAccessible>
#include <QLibraryInfo>
#include <QVersionNumber>

using namespace controls;

namespace {

PanelWindowAccessible* frameOf(PanelWindow& window) {
    return dynamic_cast<PanelWindowAccessible*>(QAccessible::queryAccessibleInterface(&window));
}

} // namespace

PanelSpeech::Route PanelSpeech::routeForThisQt() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return Route::Announcement;
#else
    // The one package serves older and newer releases alike: the route
    // follows the Qt it runs on.
    return QLibraryInfo::version() >= QVersionNumber(6, 8) ? Route::AnnouncementByLayout
                                                           : Route::StatusNotification;
#endif
}

PanelSpeech::PanelSpeech(PanelWindow& window, spoken::SpeakingView& words, Route route)
    : window_(window)
    , words_(words)
    , route_(route) {
    window_.setWords(&words_);
    words_.setListener(this);
}

PanelSpeech::~PanelSpeech() {
    words_.setListener(nullptr);
    window_.setWords(nullptr);
}

void PanelSpeech::announce(const std::string& message) {
    const QString text = QString::fromStdString(message);
    switch (route_) {
    case Route::Announcement:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    {
        QAccessibleAnnouncementEvent event(&window_, text);
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
        QAccessible::updateAccessibility(&event);
    }
#endif
        return;
    case Route::AnnouncementByLayout:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    {
        LaterQtAnnouncement event(&window_, text);
        QAccessible::updateAccessibility(&event);
    }
#endif
        return;
    case Route::StatusNotification:
        showStatusMessage(text);
        return;
    }
}

void PanelSpeech::showStatusMessage(const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    PanelWindowAccessible* frame = frameOf(window_);
    QAccessibleInterface* message = frame ? frame->addStatusMessage(text) : nullptr;
    if (!message) {
        return;
    }
    QAccessibleEvent created(message, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
    QAccessibleEvent shown(message, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
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
    PanelWindowAccessible* frame = frameOf(window_);
    if (QAccessibleInterface* painted = frame ? frame->painted(id) : nullptr) {
        QAccessibleEvent event(painted, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}
