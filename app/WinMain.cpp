#include "MessageLoop.h"
#include "PanelWindow.h"

#include <objbase.h>
#include <windows.h>

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
