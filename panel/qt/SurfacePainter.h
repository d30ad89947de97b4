#pragma once

#include "ControlTable.h"
#include "PanelPicture.h"
#include "Surface.h"

#include <functional>

class PanelLook;
class QPainter;

// Paints the controls that live on the window's own surface with a QPainter:
// labels, lines, shapes and images, as paintSurface hands them over.
class SurfacePainter final : public layout::Surface {
public:
    // What an image shows now.
    using PictureOf = std::function<PictureRef(controls::ControlId)>;

    SurfacePainter(QPainter& painter, const PanelLook& look, PictureOf pictureOf);

    void paintLabel(const layout::ControlEntry& label) override;
    void paintLine(const layout::ControlEntry& line) override;
    void paintShape(const layout::ControlEntry& shape) override;
    void paintImage(const layout::ControlEntry& image) override;

private:
    QPainter& painter_;
    const PanelLook& look_;
    PictureOf pictureOf_;
};
