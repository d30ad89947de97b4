#include "PanelStartup.h"

#include "WindowFont.h"

#include "ControlNames.h"
#include "ControlTable.h"
#include "PortFile.h"

using namespace layout;

PanelStartup::PanelStartup(const ViewBetween& viewBetween) {
    registerWindowFont(); // before the window takes its font
    window_ = std::make_unique<PanelWindow>();
    PanelView& view = viewBetween ? viewBetween(*window_, clock_) : *window_;
    panel_ = std::make_unique<LiftPanel>(view, clock_, cabinStartTop(), portio::TryWritePort);
    driver_ = std::make_unique<PanelDriver>(*window_, *panel_);
}

PanelStartup::~PanelStartup() = default;

void PanelStartup::start() {
    window_->show();
    driver_->start();
}
