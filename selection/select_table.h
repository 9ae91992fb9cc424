// Editing a floating table's columns in place: where their handles are, and
// what a drag on one makes of the column's width or justification.
#pragma once

#include <cstdint>

#include "document/document.h"
#include "page/table_conversion.h"

// What lies under a point of a floating table.
enum SelectTableHandle : std::int16_t {
    handleNone = 0,
    handleWidth = 1,   // the cell after a column: dragging it sets the column's width
    handleJustify = 2, // the middle half of a column: dragging sideways sets its justification
};

// The handle at page column `col` of the table's page laid out by
// `horiMode`, counted from its left edge, and the column it belongs to.
int SelectTableHandleAt(const TableRecord *table, RuleMode horiMode, int col, std::int16_t &column);
// The handle under client pixel (x, y) of a floating table, on one of its
// rows and within the page's columns; none for any other selection.
int SelectTableArea(const Document &document, int x, int y, std::int16_t &column);
// A column `oldWidth` cells wide at the press, after the mouse has moved
// `moved` pixels sideways and the view `scrolled` columns: whole cells only,
// and never less than 1.
std::int16_t SelectTableWidth(int oldWidth, int moved, int cellWidth, int scrolled);
// A justification `oldJustify` at the press after `moved` pixels sideways:
// a step for each 16 pixels, from left to right (never justified).
std::uint8_t SelectTableJustify(int oldJustify, int moved);
