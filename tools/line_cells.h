// The line tool's cell logic, apart from drawing the line: the Shift
// constraint, the automatic character and laying a drawn line onto a page.
#pragma once

#include <cstddef>
#include <cstdint>

#include "page/page.h"

// A one-bit picture read back after drawing: a set bit is a drawn pixel, the
// leftmost pixel of a byte in its high bit.
struct BitImage {
    const unsigned char *top; // first byte of the top row
    std::ptrdiff_t rowStep;   // from a row to the one below; negative when stored bottom-up
    std::int32_t width, height;
};

bool BitImagePixel(const BitImage &image, int col, int row);

// The cell (col, row), inside `page`, for writing.
inline unsigned char *ShapeCell(Page &page, int col, int row)
{
    return page.data + static_cast<std::int32_t>(row) * page.width + col;
}

// Bends the end of a Shift drag to horizontal, vertical or 45 degrees; the
// end column differs from the start column.
void LineConstrain(int startCol, int startRow, int &endCol, int &endRow);
// The automatic character of a line across a box of width+1 x height+1 cells.
unsigned char LineAutoCharacter(int width, int height, bool otherDiag);
// Writes `character` over `size` columns and PenRows(size) rows from each
// drawn pixel of `image`, joined with what `refPage` holds at the cell
// (atCol, atRow) further on.
void LineLayImage(Page &page, const Page &refPage, int atCol, int atRow, const BitImage &image,
                  unsigned char character, int size);
