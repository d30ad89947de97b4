#pragma once

#include "Drawing.h"
#include "MetafileReader.h"

#include <cstdint>
#include <span>

// Plays the records of a placeable metafile the way a fresh device context
// would, onto the metafile's own frame. Only the records that filled-polygon
// drawings need are known; any other record, or a record that breaks the
// rules (an unknown object, a zero window extent), throws MetafileError.
Drawing playMetafile(const Metafile& file);

// Reads and plays in one step.
Drawing playMetafile(std::span<const std::uint8_t> bytes);
