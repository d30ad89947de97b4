#pragma once

#include "Raster.h"

#include <vector>

// The window's icon: a head-and-shoulders portrait on a cyan ground, 32 x 32
// in 256 colours, with a thin strip near the bottom-left corner left clear by
// the mask.
struct IconArt {
    IndexedImage image;
    std::vector<bool> masked; // row by row from the top: true where clear
};

IconArt portraitIcon();
