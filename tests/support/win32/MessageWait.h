#pragma once

#include <windows.h>

#include <functional>

// Waits, without spinning, until a message of `first`..`last` for `window`
// (null: any window of this thread, or none) comes into this thread's queue
// and `wanted` accepts it, or `limitMs` has passed. Each message of the range
// that comes is taken out of the queue, wanted or not; none is dispatched.
bool messageArrives(HWND window, UINT first, UINT last, DWORD limitMs,
                    const std::function<bool(const MSG&)>& wanted = {});
