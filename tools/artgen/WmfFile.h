#pragma once

#include "VectorArt.h"

#include <cstdint>
#include <vector>

// A placeable metafile at 1440 units per inch: anisotropic mapping from the
// art's drawing units onto its frame, alternate fill, a null pen so nothing is
// outlined, and each part one polygon filled with a solid brush. The part's
// points are shifted by the art's origin, so a part drawn at 0,0 lands at the
// frame's top-left corner.
std::vector<std::uint8_t> encodePlaceableMetafile(const VectorArt& art);

// The points of one polygon that fills every ring of `part` under the
// alternate rule: each further ring is reached from the first point and left
// back to it along the same line, which fills nothing.
std::vector<UnitPoint> joinRings(const std::vector<Ring>& rings);
