#pragma once

#include "Colour.h"

#include <QColor>
#include <QPalette>

// The design's colour values as Qt colours. On Windows the system colours are
// the system's own. Elsewhere they come from the palette: 5 window background
// as Base, 8 window text as Text, 15 button face as Button, 18 button text as
// ButtonText, and 0, the scroll bar, as the shade halfway between Button and
// Mid: Qt has no scroll-bar role, and this keeps the classic look of a face a
// step darker than an ordinary button.
QColor toQColor(Colour colour, const QPalette& palette);

// Gives system colour `index` the colour `colour` from now on, whatever the
// platform says; for rendering the panel as another system would show it.
void overrideSystemColour(int index, const QColor& colour);
