#pragma once

#include "Drawing.h"

#include <QImage>
#include <QSize>

// The drawing's size in logical pixels, one pixel per 15 twips.
QSize drawingPixelSize(const Drawing& drawing);

// Paints the drawing's polygons, without anti-aliasing, onto a transparent
// image of the drawing's size times `devicePixelRatio`; the image carries that
// ratio, so it is drawn at the logical size and stays sharp on dense screens.
QImage rasteriseDrawing(const Drawing& drawing, double devicePixelRatio = 1.0);
