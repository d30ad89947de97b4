// The travel as the real message loop runs it: woken by the frame timer until
// the cabin arrives, and cut short by the close box. Nothing here depends on
// the machine's speed; the loop only has to finish within a generous limit.
#include "PanelWindowFixture.h"

#include "MessageLoop.h"

#include <functional>

using namespace layout;

namespace {

// Checked every 20 ms on the test's thread while the loop runs; `done` ends
// the loop, and so does the time limit.
std::function<bool()> done;
DWORD deadline = 0;

void CALLBACK check(HWND, UINT, UINT_PTR, DWORD now) {
    if (done() || now > deadline) {
        PostQuitMessage(0);
    }
}

void runUntil(HWND window, std::function<bool()> condition, DWORD limitMs = 20000) {
    done = std::move(condition);
    deadline = GetTickCount() + limitMs;
    const UINT_PTR watch = SetTimer(nullptr, 0, 20, check);
    runMessageLoop(window);
    KillTimer(nullptr, watch);
}

} // namespace

TEST_F(PanelWindowTest, TheCabinSlidesToTheCalledFloorAndTheLampsFollow) {
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    SendMessageW(window->control({"Command1", 7}), BM_CLICK, 0, 0); // floor 1
    PanelWindow* panel = window;
    runUntil(hwnd, [panel] {
        return panel->panel().state().Picture1Top == 3600 && !panel->panel().travelling();
    });

    EXPECT_EQ(window->panel().state().Picture1Top, 3600);
    EXPECT_FALSE(window->panel().travelling());
    EXPECT_EQ(placeOf(window->control({"Picture1"})).top, 240);
    const PanelPicture* blue = window->pictureOf({"Picture2", 10});
    const PanelPicture* white = window->pictureOf({"Picture2", 11});
    for (int floor = 0; floor < 6; ++floor) {
        EXPECT_EQ(window->pictureOf({"Picture2", 20 + floor}), floor == 1 ? blue : white) << floor;
    }
}

TEST_F(PanelWindowTest, TheCloseBoxEndsTheLoopMidTravel) {
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    SendMessageW(window->control({"Command1", 11}), BM_CLICK, 0, 0); // floor 5
    PanelWindow* panel = window;
    HWND form = hwnd;
    runUntil(hwnd, [panel, form] {
        if (panel->panel().travelling() && panel->panel().state().Picture1Top < 4000) {
            PostMessageW(form, WM_CLOSE, 0, 0);
        }
        return false; // the close itself must end the loop
    });
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(PanelWindow::of(hwnd), nullptr);
    hwnd = nullptr;
}
