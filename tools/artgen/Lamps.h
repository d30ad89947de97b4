#pragma once

#include "Raster.h"

#include <vector>

// The floor lamps: glossy balls lit from the upper left, each drawn from a
// recipe of shape, light and colours.

// The unlit lamp: a grey-white bulb on a white ground that GIF makes clear.
IndexedImage whiteLamp();
// The lamp of a cabin on its way: a crimson ball with a faint shadow.
IndexedImage redLamp();
// The lamp of the floor the cabin reached: a violet-blue ball with a halo.
IndexedImage blueLamp();
// The lamp every floor but the ground floor starts with: a blue ball on an
// opaque grey square.
RgbImage squareLamp();
