#pragma once

#include "PanelWindow.h"

#include <gtest/gtest.h>

#include <windows.h>

// A panel window, created hidden, destroyed after the test. Its timers run
// only when a test pumps messages.
class PanelWindowTest : public testing::Test {
protected:
    void SetUp() override {
        hwnd = PanelWindow::create(GetModuleHandleW(nullptr));
        ASSERT_NE(hwnd, nullptr);
        window = PanelWindow::of(hwnd);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (hwnd) {
            DestroyWindow(hwnd);
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // drops the WM_QUIT the destroyed window posts
        }
    }

    // The child's rectangle in its parent's client coordinates.
    static RECT placeOf(HWND child) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    HWND hwnd = nullptr;
    PanelWindow* window = nullptr;
};
