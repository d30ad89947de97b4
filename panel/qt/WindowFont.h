#pragma once

#include <QFont>

// Makes the panel's face available to Qt: on Linux the bitmap "MS Sans Serif"
// that the wine fonts package ships, when it is installed. Call once, after
// the application object exists.
void registerWindowFont();

// The window's font, "MS Sans Serif" at 8.25 points (11 pixels at 96 dots per
// inch), or a sans-serif face of that size where it is missing. That face is
// drawn pixel by pixel for 96 dots per inch and cannot be scaled, so on a
// denser screen (`devicePixelRatio` above 1) a smooth sans-serif of similar
// widths takes its place.
QFont windowFont(qreal devicePixelRatio = 1.0);
