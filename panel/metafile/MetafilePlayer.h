#pragma once

#include "Drawing.h"
#include "MetafileReader.h"

#include <cstdint>
#include <span>

namespace metafile {

// Plays the records of a placeable metafile onto the metafile's own frame,
// starting from a new device context's objects: a white solid brush, a black
// 1-pixel solid pen and the alternate fill rule. Only the records that
// filled-polygon drawings need are known; any other record, or a record that
// breaks the rules (an unknown object, a zero window extent, a pen wider than a
// pixel), throws MetafileError.
Drawing playMetafile(const Metafile& file);

// Reads and plays in one step.
Drawing playMetafile(std::span<const std::uint8_t> bytes);

} // namespace metafile
