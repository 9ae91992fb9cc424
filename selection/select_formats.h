// What each kind of selection the select tool floats is like: how it shows
// through, its help title and which edges resize it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "page/page.h"
#include "page/table_conversion.h"

struct SelectFormat {
    Transparency transparent;   // how it is laid down with Transparent on
    Transparency solid;         // and with it off
    std::uint16_t titleIndex;   // help title while it floats
    std::int16_t possibilities; // the SelectionPossibility edges that resize it
};

// The row for `format` (a DocFormat); a typed text counts as plain cells.
const SelectFormat &SelectFormatOf(std::uint16_t format);
// The bytes of the block a table record lives in.
std::size_t SelectTableSize(const TableRecord *table);
