#pragma once

#include "Drawing.h"

#include <QImage>
#include <QSize>

namespace metafile {

// The drawing's size in logical pixels: its natural size.
QSize drawingPixelSize(const Drawing& drawing);

// The drawing on a transparent image of its natural size times
// `devicePixelRatio`, which the image carries, so it is drawn at the logical
// size and stays sharp on dense screens: the pixels GDI would set drawing it
// at that size, as the Windows panel draws it there too.
QImage rasteriseDrawing(const Drawing& drawing, double devicePixelRatio = 1.0);

} // namespace metafile
