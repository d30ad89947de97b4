// Looks at the Windows side from inside the Wine prefix, for the scripts that
// test the panel under Wine.
//
//   wine-probe temp               the folder GetTempPathA reports
//   wine-probe port               byte 55 of emu_port.dat there, or "none"
//   wine-probe colours            GetSysColor 0, 5, 8, 15, 18 as RRGGBB,...
//   wine-probe client TITLE       the window's client area on the screen: X Y W H
//   wine-probe top TITLE X W H    the top, in client pixels, of the child window
//                                 at client x X of size W x H (the cabin)
//   wine-probe track TITLE X W H TOP MS
//                                 follows the child window at client x X of
//                                 size W x H (the cabin) until its top reaches
//                                 TOP or MS ms pass; prints "byte T" when
//                                 byte 55 first turns non-zero, "top T Y" at
//                                 every move (T in ms from the start)
//   wine-probe wait V MS          prints "ready" once it watches, then "V T"
//                                 when byte 55 reads V, T ms later, or the
//                                 last value it read after MS ms (status 1):
//                                 started before a click, it sees a byte
//                                 however long Wine took to start it
//   wine-probe hold MS WAIT       holds emu_port.dat open with no sharing for
//                                 MS ms, as an emulator rewriting it might;
//                                 prints "held", then "released V" (byte 55
//                                 as it was), then "code V T" when byte 55
//                                 first reads non-zero T ms after the release,
//                                 or "no code" after WAIT ms
//   wine-probe dpi TITLE DPI      tells the window it is now on a screen of
//                                 DPI dots per inch, as Windows does when it
//                                 moves to another monitor (WM_DPICHANGED,
//                                 suggesting its present frame)
//
// Exit status 1 when the asked-for thing is not there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Named here, not taken from the panel's code: the probe reads the file as an
// emulator would, knowing only the file's agreed name and layout.
constexpr const char* PortFileName = "emu_port.dat";
constexpr LONGLONG PortOffset = 55;

std::string tempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

// Byte 55 of the port file, read the way an emulator would: shared, one byte.
int portByte() {
    const std::string path = tempFolder() + PortFileName;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    int value = -1;
    LARGE_INTEGER at{};
    at.QuadPart = PortOffset;
    unsigned char byte = 0;
    DWORD read = 0;
    if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
        ReadFile(file, &byte, 1, &read, nullptr) && read == 1) {
        value = byte;
    }
    CloseHandle(file);
    return value;
}

// The panel's colours come as 0x00BBGGRR; the scripts want RRGGBB.
void printColours() {
    const int indexes[] = {COLOR_SCROLLBAR, COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE,
                           COLOR_BTNTEXT};
    const char* separator = "";
    for (int index : indexes) {
        const COLORREF c = GetSysColor(index);
        std::printf("%s%02X%02X%02X", separator, GetRValue(c), GetGValue(c), GetBValue(c));
        separator = ",";
    }
    std::printf("\n");
}

int printClient(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    RECT client{};
    POINT origin{};
    if (window == nullptr || !GetClientRect(window, &client) || !ClientToScreen(window, &origin)) {
        std::fprintf(stderr, "wine-probe: no client area of a window titled \"%s\"\n", title);
        return 1;
    }
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    return 0;
}

struct ChildQuery {
    HWND parent;
    int x, width, height;
    HWND found;
};

BOOL CALLBACK matchChild(HWND child, LPARAM data) {
    auto* query = reinterpret_cast<ChildQuery*>(data);
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, query->parent, reinterpret_cast<POINT*>(&r), 2);
    // On a screen of fractional scale the cabin's height changes by a device
    // pixel with the rounding of its edges as it moves.
    if (r.left == query->x && r.right - r.left == query->width &&
        std::abs((r.bottom - r.top) - query->height) <= 1) {
        query->found = child;
        return FALSE;
    }
    return TRUE;
}

double nowMs(LARGE_INTEGER start, LARGE_INTEGER frequency) {
    LARGE_INTEGER t{};
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The child window at client x `x` of the given size, and its window.
ChildQuery findChild(const char* title, int x, int width, int height) {
    ChildQuery query{FindWindowA(nullptr, title), x, width, height, nullptr};
    if (query.parent != nullptr) {
        EnumChildWindows(query.parent, matchChild, reinterpret_cast<LPARAM>(&query));
    }
    return query;
}

long childTop(const ChildQuery& query) {
    RECT r{};
    GetWindowRect(query.found, &r);
    MapWindowPoints(HWND_DESKTOP, query.parent, reinterpret_cast<POINT*>(&r), 2);
    return r.top;
}

int printTop(const char* title, int x, int width, int height) {
    const ChildQuery query = findChild(title, x, width, height);
    if (query.found == nullptr) {
        return 1;
    }
    std::printf("%ld\n", childTop(query));
    return 0;
}

int hold(int holdMs, int waitMs) {
    const std::string path = tempFolder() + PortFileName;
    HANDLE file = INVALID_HANDLE_VALUE;
    // The panel has the file open for a moment ten times a second.
    for (int tries = 0; file == INVALID_HANDLE_VALUE && tries < 5000; ++tries) {
        file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            Sleep(1);
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(holdMs));
    LARGE_INTEGER at{};
    at.QuadPart = PortOffset;
    unsigned char byte = 0;
    DWORD read = 0;
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    ReadFile(file, &byte, 1, &read, nullptr);
    CloseHandle(file);
    std::printf("released %d\n", read == 1 ? byte : -1);
    std::fflush(stdout);

    timeBeginPeriod(1);
    LARGE_INTEGER frequency{}, start{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (double t = 0; t < waitMs; t = nowMs(start, frequency)) {
        const int value = portByte();
        if (value > 0) {
            std::printf("code %d %.1f\n", value, t);
            timeEndPeriod(1);
            return 0;
        }
        Sleep(1);
    }
    timeEndPeriod(1);
    std::printf("no code\n");
    return 0;
}

int track(const char* title, int x, int width, int height, int finalTop, int limitMs) {
    const ChildQuery query = findChild(title, x, width, height);
    if (query.found == nullptr) {
        return 1;
    }
    timeBeginPeriod(1);
    LARGE_INTEGER frequency{}, start{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    long lastTop = -1;
    bool byteSeen = false;
    for (double t = 0; t < limitMs; t = nowMs(start, frequency)) {
        if (!byteSeen && portByte() > 0) {
            byteSeen = true;
            std::printf("byte %.2f\n", t);
            std::fflush(stdout);
        }
        const long top = childTop(query);
        if (top != lastTop) {
            lastTop = top;
            std::printf("top %.2f %ld\n", t, top);
            std::fflush(stdout);
            if (top == finalTop) {
                break;
            }
        }
        Sleep(1);
    }
    timeEndPeriod(1);
    return lastTop == finalTop ? 0 : 1;
}

// The message carries a pointer to the suggested frame, which Windows does not
// carry across to another process: the frame is written into the panel's
// own memory first.
int waitForByte(int wanted, int limitMs) {
    std::printf("ready\n");
    std::fflush(stdout);
    const ULONGLONG start = GetTickCount64();
    int value = portByte();
    while (value != wanted && GetTickCount64() - start < static_cast<ULONGLONG>(limitMs)) {
        Sleep(1);
        value = portByte();
    }
    if (value != wanted) {
        value < 0 ? std::printf("none\n") : std::printf("%d\n", value);
        return 1;
    }
    std::printf("%d %llu\n", value, GetTickCount64() - start);
    return 0;
}

int sendDpi(const char* title, int dpi) {
    HWND window = FindWindowA(nullptr, title);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = window != nullptr && dpi > 0
                         ? OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid)
                         : nullptr;
    if (process == nullptr) {
        return 1;
    }
    RECT suggested{};
    GetWindowRect(window, &suggested);
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    int status = 1;
    if (remote != nullptr &&
        WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr)) {
        SendMessageW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(remote));
        status = 0;
    }
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return status;
}

// Measures in device pixels, as the panel (per-monitor aware) draws. Windows
// since 8.1 gives a process that is not DPI aware the places and sizes of
// other processes' windows scaled to 96 dpi, and so does Wine from 10 on;
// Wine 8 gave device pixels to every process.
void seeDevicePixels() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    const HANDLE perMonitorAwareV2 = reinterpret_cast<HANDLE>(-4);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto setContext = user32 ? reinterpret_cast<SetContextFn>(reinterpret_cast<void*>(
                                         GetProcAddress(user32, "SetProcessDpiAwarenessContext")))
                                   : nullptr;
    if (!setContext || !setContext(perMonitorAwareV2)) {
        SetProcessDPIAware();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    seeDevicePixels();
    const std::string command = argc > 1 ? argv[1] : "";
    int status = 0;
    if (command == "temp" && argc == 2) {
        std::printf("%s\n", tempFolder().c_str());
    } else if (command == "port" && argc == 2) {
        const int value = portByte();
        value < 0 ? std::printf("none\n") : std::printf("%d\n", value);
    } else if (command == "colours" && argc == 2) {
        printColours();
    } else if (command == "client" && argc == 3) {
        status = printClient(argv[2]);
    } else if (command == "top" && argc == 6) {
        status = printTop(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    } else if (command == "wait" && argc == 4) {
        status = waitForByte(std::atoi(argv[2]), std::atoi(argv[3]));
    } else if (command == "hold" && argc == 4) {
        status = hold(std::atoi(argv[2]), std::atoi(argv[3]));
    } else if (command == "track" && argc == 8) {
        status = track(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                       std::atoi(argv[6]), std::atoi(argv[7]));
    } else if (command == "dpi" && argc == 4) {
        status = sendDpi(argv[2], std::atoi(argv[3]));
    } else {
        std::fprintf(
            stderr,
            "usage: wine-probe temp|port|colours|client TITLE|"
            "top TITLE X W H|track TITLE X W H TOP MS|wait V MS|hold MS WAIT|dpi TITLE DPI\n");
        return 2;
    }
    std::fflush(stdout);
    return status;
}
