#pragma once

#include "Drawing.h"

#include <QImage>
#include <QSize>

// The drawing's size in logical pixels: its natural size.
QSize drawingPixelSize(const Drawing& drawing);

// The drawing on a transparent image of its natural size times
// `devicePixelRatio`, which the image carries, so it is drawn at the logical
// size and stays sharp on dense screens. At ratio 1 these are the pixels GDI
// would set; at other ratios Qt fills the polygons, without anti-aliasing.
QImage rasteriseDrawing(const Drawing& drawing, double devicePixelRatio = 1.0);
