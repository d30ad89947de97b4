#include "MessageWait.h"

bool messageArrives(HWND window, UINT first, UINT last, DWORD limitMs,
                    const std::function<bool(const MSG&)>& wanted) {
    const DWORD until = GetTickCount() + limitMs;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, window, first, last, PM_REMOVE)) {
            if (!wanted || wanted(msg)) {
                return true;
            }
        }
        const DWORD now = GetTickCount();
        if (now >= until) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_POSTMESSAGE | QS_TIMER);
    }
}
