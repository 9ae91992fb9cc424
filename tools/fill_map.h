// The bucket's cell logic: the cells a fill may flood, kept as a one-bit map
// of one pixel per cell, and the cells that a flood of the map turned on.
#pragma once

#include <cstdint>

#include "page/page.h"
#include "tools/line_cells.h"

// Turns on the pixels of the cells that bound a fill from a cell holding
// `inCharacter`, those holding anything else (empty and space count as one
// blank), in a map stored bottom row first, `widthBytes` bytes a row.
void FillMapBuild(const Page &page, unsigned char inCharacter, unsigned char *bits, std::int32_t widthBytes);
// Writes `character` into every cell whose pixel differs between the maps.
void FillMapApply(Page &page, const BitImage &source, const BitImage &result, unsigned char character);
