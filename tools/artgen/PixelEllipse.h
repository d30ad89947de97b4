#pragma once

// An ellipse laid over a picture's pixels, centre and radii in pixels. A pixel
// belongs to it when the pixel's centre does.
struct PixelEllipse {
    double centreX, centreY;
    double radiusX, radiusY;

    // Offsets of a pixel's centre from the ellipse's centre, in radii.
    double dx(int col) const { return (col + 0.5 - centreX) / radiusX; }
    double dy(int row) const { return (row + 0.5 - centreY) / radiusY; }

    bool contains(int col, int row) const { return dx(col) * dx(col) + dy(row) * dy(row) <= 1.0; }
};
