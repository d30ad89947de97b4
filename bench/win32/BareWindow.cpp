// The floor of the Windows benchmarks: an empty window of the panel's client
// size and style, with nothing in it, measured under Wine beside the panel.
#include <windows.h>

namespace {

constexpr int ClientWidth = 415;
constexpr int ClientHeight = 448;
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(0xFF, 0xFF, 0xC0));
    windowClass.lpszClassName = "BareWindow";
    if (RegisterClassA(&windowClass) == 0) {
        return 1;
    }
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRect(&frame, Style, FALSE);
    HWND window = CreateWindowA("BareWindow", "Bare window", Style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
