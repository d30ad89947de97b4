#pragma once

#include "SpeechListener.h"

#include <QString>

class PanelWindow;
namespace spoken {
class SpeakingView;
}

// Tells the Qt window's assistive technology what the panel's words say: a
// status message by the route this Qt carries to screen readers (below), and
// a control whose words changed as a change of its name.
class PanelSpeech final : public spoken::SpeechListener {
public:
    // How a status message reaches a screen reader.
    enum class Route {
        // Qt's own announcement (6.8 on).
        Announcement,
        // The same announcement, built on an older Qt but running on 6.8 or
        // later (LaterQtAnnouncement).
        AnnouncementByLayout,
        // A new notification in the cabin, shown: an older Qt's bridge sends
        // a change of name or description with an object where the text
        // belongs, which screen readers cannot speak; a notification that
        // shows is read from the object itself.
        StatusNotification,
    };
    // The route for the Qt this program was built with and runs on.
    static Route routeForThisQt();

    PanelSpeech(PanelWindow& window, spoken::SpeakingView& words, Route route = routeForThisQt());
    ~PanelSpeech() override;
    PanelSpeech(const PanelSpeech&) = delete;
    PanelSpeech& operator=(const PanelSpeech&) = delete;

    void announce(const std::string& message) override;
    void wordsChanged(controls::ControlId id) override;

private:
    void showStatusMessage(const QString& text);

    PanelWindow& window_;
    spoken::SpeakingView& words_;
    Route route_;
};
