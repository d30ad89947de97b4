#include "PanelProgram.h"

#include <objbase.h>
#include <windows.h>

// The program's manifest declares it aware of each monitor's density: the
// window draws itself at its screen's scale and follows it to a screen of
// another density (WM_DPICHANGED), so that no text is stretched as a bitmap.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The pictures are decoded and the buttons named through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int code = runPanelProgram(instance, show);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return code;
}
