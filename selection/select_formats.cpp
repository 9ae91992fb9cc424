#include "selection/select_formats.h"

#include <iterator>

#include "document/document.h"
#include "selection/selection_cells.h"

// A table's blank cells are spaces of its own, so only its empty cells let
// the page through; a picture off Transparent still shows the page through
// the empty margins around it.
static const SelectFormat selectFormats[] = {
    {spaceTransparent, opaque, 1, 0},                                       // formatNone: plain cells
    {spaceTransparent, opaque, 1, 0},                                       // formatText
    {nullTransparent, opaque, 4, 0},                                        // formatTable
    {spaceTransparent, nullTransparent, 3, possibleWidth | possibleHeight}, // formatMetafile
    {spaceTransparent, nullTransparent, 3, possibleWidth | possibleHeight}, // formatBitmap
};

const SelectFormat &SelectFormatOf(std::uint16_t format)
{
    return format < std::size(selectFormats) ? selectFormats[format] : selectFormats[formatNone];
}

std::size_t SelectTableSize(const TableRecord *table)
{
    return TableText(table) + table->textSize - reinterpret_cast<const unsigned char *>(table);
}
