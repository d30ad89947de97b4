// The window's start-up out of memory: whichever allocation fails, creation
// fails cleanly (no window left, nothing leaked, nothing thrown through
// Windows) or the window is whole; the program ends with a non-zero status.
#include "FailingAllocations.h"
#include "PanelProgram.h"
#include "PanelWindow.h"
#include "PictureBox.h"

#include <gtest/gtest.h>

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
    // Every one of the first allocations, then some 300 spread over the rest
    // (the last counted is not always made: failing it may leave a window).
    const long step = allocations > 600 ? allocations / 300 : 1;
    for (long failing = 0; failing < allocations - 1; failing += failing < 50 ? 1 : step) {
        failingallocations::failAfter(failing);
        HWND made = PanelWindow::create(instance());
        failingallocations::allowAll();
        EXPECT_EQ(made, nullptr) << "made despite failed allocation " << failing;
        if (made) {
            DestroyWindow(made);
        }
        drainMessages();
        EXPECT_EQ(FindWindowW(PanelWindow::ClassName, nullptr), nullptr)
            << "allocation " << failing;
        ASSERT_EQ(failingallocations::live(), before) << "leak at allocation " << failing;
    }
    HWND whole = PanelWindow::create(instance());
    ASSERT_NE(whole, nullptr);
    EXPECT_NE(PanelWindow::of(whole)->control(controls::Picture1), nullptr);
    DestroyWindow(whole);
    drainMessages();
    EXPECT_EQ(failingallocations::live(), before);
}

TEST(PanelStartup, ProgramEndsWithNonZeroStatusWhenTheWindowCannotBeMade) {
    ASSERT_GT(warmUp(), 0);
    failingallocations::failAfter(0);
    const int status = runPanelProgram(instance(), SW_HIDE);
    failingallocations::allowAll();
    drainMessages();
    EXPECT_NE(status, 0);
    EXPECT_EQ(FindWindowW(PanelWindow::ClassName, nullptr), nullptr);
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
