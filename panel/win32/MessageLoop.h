#pragma once

#include <windows.h>

// Runs the panel window's messages until the program is asked to quit; waits,
// never spins. Tab, the arrow keys and Space move and press as in a dialog.
// Returns the quit code.
int runMessageLoop(HWND window);
