#pragma once

#include "ControlTable.h"
#include "WindowFonts.h"

#include <windows.h>

// Paints a label: its opaque back, then its caption line by line as the shared
// label wrapping breaks it, each line in the label's alignment, cut off at the
// label's edges. Port labels are underlined.
void paintLabel(HDC dc, const ControlEntry& label, const WindowFonts& fonts);
