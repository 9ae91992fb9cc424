// The character page: a grid of 8-bit cells, and the operations everything
// else is built from. A cell holds 0 when empty, otherwise a character.
#pragma once

#include <cstdint>

#include "base/error.h"

struct Page {
    std::int16_t width;  // columns
    std::int16_t height; // rows
    unsigned char *data; // width * height cells, row after row; owned
};

// How a source cell is laid onto a destination cell.
enum Transparency : std::uint8_t {
    opaque = 0,           // every cell written; an empty cell as a space
    nullTransparent = 1,  // empty source cells leave the destination alone
    spaceTransparent = 2, // only cells that are neither empty nor a space
    directCopy = 3,       // every byte copied, empty cells included
    ignoreFront = 4,      // nothing written
};

// A rectangle of cells; right and bottom are exclusive.
struct CellRect {
    std::int32_t left, top, right, bottom;
};

// The display font's cell size in pixels, set when the font is measured.
extern std::int32_t fontWidth;
extern std::int32_t fontHeight;

ErrorCode PageNew(Page &page, int width, int height);
ErrorCode PageResize(Page &page, int width, int height);
void PageKill(Page &page);
// The caller keeps the cell inside the page.
unsigned char GetCharPage(const Page &page, int col, int row);
// Writes spaces into columns fromCol..toCol-1 of rows fromRow..toRow-1.
void BlankRectPage(Page &page, int fromCol, int fromRow, int toCol, int toRow);
void PageDataBlit(unsigned char *destPtr, int destWidth, int destHeight, int atCol, int atRow,
                  const unsigned char *sourcePtr, int sourceWidth, int sourceHeight, int fromCol, int fromRow,
                  Transparency transparency);
void PageMerge(Page &page, const Page &sourcePage, int atCol, int atRow, Transparency transparency);
void PageLift(Page &page, const Page &sourcePage, int fromCol, int fromRow);
// Shrinks `rect` to the cells that are neither empty nor spaces; with
// `fromsToo` clear only its right and bottom edges move.
void PageAutoReduce(const Page &page, CellRect &rect, bool fromsToo);
// The rows a pen `size` columns wide covers to look as tall as it is wide.
int PenRows(int size);
void GetSizedRect(const Page &page, int atCol, int atRow, int size, int &vertSize, int &fromCol, int &fromRow,
                  int &toCol, int &toRow);
void SetCharsPage(Page &page, int atCol, int atRow, unsigned char character, int size, bool round);
// Fits width x height into the box drawWidth x drawHeight, never enlarging.
void ScaleSize(std::int16_t &drawWidth, std::int16_t &drawHeight, int width, int height);
