// The cell arithmetic of a floating selection: where a point lies against
// it, where its frame goes and which rectangle a new one covers.
#pragma once

#include <cstdint>

#include "document/document.h"

// Where a point lies against the floating page. The edge codes are bits, so
// a corner is one horizontal and one vertical edge: 5 top-left, 6 top-right,
// 9 bottom-left, 10 bottom-right.
enum SelectionAreaCode : std::int16_t {
    areaInside = 0,
    areaLeft = 1,
    areaRight = 2,
    areaTop = 4,
    areaBottom = 8,
    areaPage = 16,      // on the page, outside the floating page or with nothing floating
    areaBelowPage = 17, // in a page column, below the last row
    areaOffPage = 18,   // beside the page's columns or above its first row
};

// What the calling tool allows, a set of bits.
enum SelectionPossibility : std::int16_t {
    possibleWidth = 1,       // the left and right edges resize
    possibleHeight = 2,      // the top and bottom edges resize
    possibleBelow = 4,       // new rectangles may start and reach below the last row
    possibleOneRow = 8,      // a new rectangle is the one row under the mouse
    possibleReduce = 16,     // Control while marking shrinks the rectangle to the used cells
    possibleAction = 32,     // a press outside begins an undoable action before dropping
    possibleMoveFirst = 64,  // a press outside must move before a new rectangle starts
};

// The area code of client pixel (x, y).
int SelectionAreaAt(const Document &document, int x, int y, int possibilities);
// The client pixels of the frame around the floating page: cut to the page's
// columns and to rows from 0, but not at the bottom, since laying the page
// down grows the back page; never thinner than 2 pixels.
PixelRect SelectionFrameRect(const Document &document);
// The cells between the press cell and (col, row), both included; with
// possibleOneRow only the current row, and with `reduce` shrunk to the used
// cells of the back page.
void SelectionNewRect(const Document &document, int downCol, int downRow, int col, int row, int possibilities,
                      bool reduce, CellRect &rect);
// A side of a page being resized: `length` plus the whole cells the mouse has
// moved, `moved` pixels along `direction` (-1, 0 or 1); never less than 1.
int SelectionResizeLength(int length, int moved, int cellSize, int direction);
// Sets the floating position and size to `rect`, leaving the front page's cells alone.
void SelectionFloatRect(DocState &now, const CellRect &rect);
