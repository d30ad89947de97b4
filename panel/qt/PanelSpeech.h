#pragma once

#include "SpeechListener.h"

#include <QPointer>
#include <QWidget>

class PanelWindow;
namespace spoken {
class SpeakingView;
}

// Tells the Qt window's assistive technology what the panel's words say: a
// status message as an announcement where Qt has them (6.8 on), else as the
// description of the focused control, which screen readers speak; and a
// control whose words changed as a change of its name.
class PanelSpeech final : public spoken::SpeechListener {
public:
    PanelSpeech(PanelWindow& window, spoken::SpeakingView& words);
    ~PanelSpeech() override;
    PanelSpeech(const PanelSpeech&) = delete;
    PanelSpeech& operator=(const PanelSpeech&) = delete;

    void announce(const std::string& message) override;
    void wordsChanged(controls::ControlId id) override;

private:
    PanelWindow& window_;
    spoken::SpeakingView& words_;
    // The control whose description holds the last message.
    QPointer<QWidget> describing_;
    QMetaObject::Connection focusWatch_;
};
