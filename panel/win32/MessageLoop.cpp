#include "MessageLoop.h"

#include "PanelWindow.h"

int runMessageLoop(HWND window) {
    for (;;) {
        PanelWindow* panel = PanelWindow::of(window);
        HANDLE frame = panel ? panel->frameHandle() : nullptr;
        const DWORD count = frame ? 1 : 0;
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(count, &frame, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (count == 1 && woke == WAIT_OBJECT_0) {
            panel->onFrame();
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                return static_cast<int>(msg.wParam);
            }
            if (!IsWindow(window) || !IsDialogMessageW(window, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
}
