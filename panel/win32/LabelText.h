#pragma once

#include "ControlTable.h"
#include "WindowFonts.h"

#include <windows.h>

// Paints a label: its opaque back, then its caption line by line as the shared
// label wrapping breaks it, each line in the label's alignment, cut off at the
// label's edges. Port labels are underlined. The lines are not left to
// DrawText's word break: Wine breaks runs of spaces otherwise than Windows,
// and the legends are bit diagrams drawn with spaces. On a denser screen
// everything is placed as at 96 dots per inch, scaled by `scale`.
void paintLabel(HDC dc, const layout::ControlEntry& label, const WindowFonts& fonts,
                const layout::DisplayScale& scale = {});
