#pragma once

#include "ControlTable.h"

class QPainter;
class QPalette;

// Paints a label: its opaque back and its caption, broken into lines the
// classic way, left-aligned or centred, cut off at the label's edges.
//
// Lines are laid out in the panel's own face at 96 dots per inch. On a denser
// screen, where a smooth face draws the text, each word goes where that layout
// puts it, so the legends' bit columns stay under one another.
void paintLabel(QPainter& painter, const ControlEntry& label, const QPalette& palette);
