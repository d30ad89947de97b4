#include "MessageLoop.h"
#include "PanelWindow.h"

#include <objbase.h>
#include <windows.h>

// The program declares no DPI awareness (it carries no manifest): on a screen
// above 96 dpi Windows scales the whole window, which keeps every control,
// label break and legend column of the 96-dpi design at the right physical
// size. Drawing at the screen's scale instead would trade the raster face,
// which comes in a few fixed sizes only, for another face of other widths.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The pictures are decoded and the buttons named through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND window = PanelWindow::create(instance);
    if (!window) {
        return 1;
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    const int code = runMessageLoop(window);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return code;
}
