#pragma once

#include "PixelEllipse.h"
#include "Raster.h"

#include <vector>

// A glossy ball drawn pixel by pixel: its shape, the light on it, and the
// colours its shading is mapped onto.

// The ball's outline.
using BallShape = PixelEllipse;

struct Vec3 {
    double x, y, z;
};

// Directions point from the ball towards the light: x to the right, y down,
// z towards the viewer.
struct Lighting {
    Vec3 key;        // the main light
    double ambient;  // light from everywhere
    double diffuse;  // matt share of the key light
    double specular; // glossy share of the key light
    int shininess;   // how tight the glossy spot is
    double rim;      // the surroundings mirrored at the grazing edge
};

// Brightness of the ball's surface seen at the centre of a pixel.
double shade(const BallShape& ball, const Lighting& light, int col, int row);

// One colour of a ball's range, with its share of the ball's pixels.
struct Tone {
    metafile::Rgb colour;
    int weight = 1;
};

// Colours the ball's pixels by rank: the darkest pixels take the first tone,
// the brightest the last, each tone as many pixels as its weight's share, so
// every tone shows. Ties go to the earlier pixel in reading order.
void paintBall(RgbImage& image, const BallShape& ball, const Lighting& light,
               const std::vector<Tone>& tones);

// A pale glow on a ball's rim: pixels on the ball's edge that face the glow's
// direction (x right, y down) by at least `from` (0 sideways, 1 straight at it)
// take the halo's tones by rank, the more they face it the later the tone.
struct Halo {
    std::vector<Tone> tones;
    double towardsX = 0;
    double towardsY = 0;
    double from = 0;
};
void paintHalo(RgbImage& image, const BallShape& ball, const Halo& halo);

// A single pixel set by hand after the shading.
struct Touch {
    int row, col;
    metafile::Rgb colour;
};
void applyTouches(RgbImage& image, const std::vector<Touch>& touches);
