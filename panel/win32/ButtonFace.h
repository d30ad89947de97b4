#pragma once

#include <windows.h>

// Draws an owner-drawn push button in the classic look over its own face
// colour, which a plain push button would ignore: a raised bevel, sunken while
// pressed, the caption centred (one pixel down and right while pressed), and
// the dotted focus mark inside the bevel.
void drawButtonFace(const DRAWITEMSTRUCT& item, COLORREF face, HFONT font);
