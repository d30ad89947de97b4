#pragma once

#include "ControlTable.h"

class PanelLook;
class QPainter;

// Paints a label: its opaque back and its caption, broken into lines the
// classic way, left-aligned or centred, cut off at the label's edges. A port
// label's line is underlined as the classic window draws it: one pixel thick,
// on the row right under the glyphs, across the line's whole advance.
//
// Lines are laid out in the panel's own face at 96 dots per inch. On a denser
// screen, where a smooth face draws the text, each word goes where that layout
// puts it, so the legends' bit columns stay under one another.
void paintLabel(QPainter& painter, const layout::ControlEntry& label, const PanelLook& look);
