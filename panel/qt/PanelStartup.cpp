#include "PanelStartup.h"

#include "WindowFont.h"

#include "ControlNames.h"
#include "ControlTable.h"
#include "PortFile.h"

using namespace lift;
using namespace layout;

PanelStartup::PanelStartup(const ViewBetween& viewBetween) {
    registerWindowFont(); // before the window takes its font
    window_ = std::make_unique<PanelWindow>(frameDrawerHere());
    PanelView& view = viewBetween ? viewBetween(*window_, clock_) : *window_;
    // The words stand next to the handlers, so they see everything asked of the window.
    words_ = std::make_unique<spoken::SpeakingView>(view, cabinStartTop());
    speech_ = std::make_unique<PanelSpeech>(*window_, *words_);
    panel_ = std::make_unique<LiftPanel>(*words_, clock_, cabinStartTop(), portio::TryWritePort);
    driver_ = std::make_unique<PanelDriver>(*window_, *panel_);
}

PanelStartup::~PanelStartup() = default;

void PanelStartup::start() {
    window_->show();
    driver_->start();
}
