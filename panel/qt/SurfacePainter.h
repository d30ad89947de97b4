#pragma once

#include "ControlTable.h"
#include "PanelPicture.h"
#include "PixelGeometry.h"

#include <QRect>

class PanelLook;
class QPainter;

// Paints the controls that live on the window's own surface: labels, lines,
// shapes and images. The caller paints them from the end of the list to its
// start, so that an earlier entry lies over a later one.
class SurfacePainter {
public:
    SurfacePainter(QPainter& painter, const PanelLook& look);

    // `picture` is what an image shows now; other kinds ignore it.
    void paint(const ControlEntry& entry, const PictureRef& picture);

private:
    void paintLine(const ControlEntry& entry);
    void paintShape(const ControlEntry& entry);
    void paintImage(const ControlEntry& entry, const PictureRef& picture);

    QPainter& painter_;
    const PanelLook& look_;
};

// The pixels a surface control may paint: its box, or a line with its width.
QRect surfaceBounds(const ControlEntry& entry);
