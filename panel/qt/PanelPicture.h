#pragma once

#include "ControlTable.h"

#include <QSize>

#include <memory>

class QPainter;

// A picture one or more boxes show. It is drawn at its natural size from the
// painter's origin, one picture pixel on one logical pixel; transparent parts
// leave what is beneath. Boxes share pictures: taking over another box's
// picture shares the same object.
class PanelPicture {
public:
    virtual ~PanelPicture() = default;

    // Natural size in logical pixels.
    virtual QSize size() const = 0;
    virtual void paint(QPainter& painter) const = 0;
};

using PictureRef = std::shared_ptr<const PanelPicture>;

// The picture the design gives a box; null for Picture::None. Each image is
// made once and shared by every box that shows it.
PictureRef loadPicture(layout::Picture which);
