#pragma once

#include "Raster.h"

// The floor digit's glyphs: bright green seven-segment digits, 12 x 17 pixels,
// on black that GIF makes clear.

inline constexpr int GlyphWidth = 12;
inline constexpr int GlyphHeight = 17;

// The glyph of digit 0 to 5, palette green at index 0 and clear black at 1.
IndexedImage digitGlyph(int digit);
