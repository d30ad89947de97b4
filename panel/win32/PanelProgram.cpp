#include "PanelProgram.h"

#include "MessageLoop.h"
#include "PanelWindow.h"

using namespace layout;

int runPanelProgram(HINSTANCE instance, int show) noexcept {
    HWND window = PanelWindow::create(instance);
    if (!window) {
        return 1;
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    return runMessageLoop(window);
}
