#pragma once

#include "Drawing.h" // Rgb

#include <string_view>
#include <vector>

// A drawing made of filled polygons, as the metafile writer takes it.

// A place in drawing units, x to the right, y down.
struct UnitPoint {
    int x, y;
};

// A closed outline; the last point joins the first.
using Ring = std::vector<UnitPoint>;

// One coloured area. Its first ring is its outline; further rings inside it are
// holes, further rings outside it are islands of the same colour (the metafile
// fills with the alternate rule).
struct FigurePart {
    std::string_view name;
    metafile::Rgb colour;
    std::vector<Ring> rings;
};

struct VectorArt {
    int frameWidth = 0; // bounding box in twips
    int frameHeight = 0;
    int originX = 0; // drawing units at the frame's top-left corner
    int originY = 0;
    int extentX = 0; // drawing units across the frame
    int extentY = 0;
    std::vector<FigurePart> parts; // painted in order, each over the ones before
};
