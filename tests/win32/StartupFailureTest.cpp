// The window's start-up out of memory: whichever allocation fails, creation
// fails cleanly (no window left, nothing leaked, nothing thrown through
// Windows) or the window is whole; the program ends with a non-zero status.
#include "FailingAllocations.h"
#include "PanelProgram.h"
#include "PanelWindow.h"
#include "PictureBox.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace layout;

namespace {

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

// Drops what a window destroyed during creation leaves in the queue, its
// WM_QUIT included.
void drainMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

// Whether this thread still has a panel window: other programs on the same
// desktop may show one of their own.
bool panelWindowLeft() {
    bool found = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            const bool panel = std::wstring_view(name) == PanelWindow::ClassName;
            *reinterpret_cast<bool*>(found) |= panel;
            return !panel;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The allocations a window's creation makes, once a first window has filled
// the caches that live as long as the program.
long warmUp() {
    long allocations = 0;
    for (int i = 0; i < 2; ++i) {
        const long start = failingallocations::made();
        HWND made = PanelWindow::create(instance());
        allocations = made ? failingallocations::made() - start : 0;
        DestroyWindow(made);
        drainMessages();
    }
    return allocations;
}

} // namespace

TEST(PanelStartup, AFailedAllocationFailsCreationWithoutLeakOrWindow) {
    const long allocations = warmUp();
    ASSERT_GT(allocations, 10);
    const long before = failingallocations::live();
    // Every one of the first allocations, then some 300 spread over the rest.
    const long step = allocations > 600 ? allocations / 300 : 1;
    for (long failing = 0; failing < allocations; failing += failing < 50 ? 1 : step) {
        failingallocations::failAfter(failing);
        HWND made = PanelWindow::create(instance());
        failingallocations::allowAll();
        // The tab order's sort does without its buffer when it gets none
        // (std::stable_sort): that failure leaves a whole window.
        if (made) {
            EXPECT_NE(PanelWindow::of(made)->control(controls::Picture1), nullptr)
                << "a window without its cabin at allocation " << failing;
            DestroyWindow(made);
        }
        drainMessages();
        EXPECT_FALSE(panelWindowLeft()) << "allocation " << failing;
        ASSERT_EQ(failingallocations::live(), before) << "leak at allocation " << failing;
    }
}

TEST(PanelStartup, ProgramEndsWithNonZeroStatusWhenTheWindowCannotBeMade) {
    ASSERT_GT(warmUp(), 0);
    failingallocations::failAfter(0);
    const int status = runPanelProgram(instance(), SW_HIDE);
    failingallocations::allowAll();
    drainMessages();
    EXPECT_NE(status, 0);
    EXPECT_FALSE(panelWindowLeft());
}

TEST(PanelStartup, PictureBoxThatCannotBeMadeLeavesNothingBehind) {
    ASSERT_TRUE(picturebox::registerClass(instance()));
    HWND gone =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    DestroyWindow(gone); // no parent to be made in
    const long before = failingallocations::live();
    EXPECT_EQ(picturebox::create(gone, 1, {0, 0, 10, 10}, RGB(0, 0, 0), nullptr, {0, 0},
                                 DisplayScale::ofDpi(96)),
              nullptr);
    EXPECT_EQ(failingallocations::live(), before);
}
