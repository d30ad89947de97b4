#pragma once

#include "Raster.h"

#include <vector>

// A run of colours from dark to light: `stops` fix the colours at chosen
// places of the run, the places between are blended evenly.
struct Stop {
    int at;
    metafile::Rgb colour;
};

std::vector<metafile::Rgb> colourRamp(const std::vector<Stop>& stops);
