#pragma once

#include <windows.h>

// The Windows program's whole run: the panel window shown as `show` asks,
// then its messages until it closes. Returns the exit status: non-zero when
// the window cannot be made (out of memory or window handles) or fails while
// it runs. There is no message box to tell it: the status is the word.
// COM must be initialised on the calling thread.
int runPanelProgram(HINSTANCE instance, int show) noexcept;
