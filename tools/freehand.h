// The cell logic of the pencil and the rubber: a stroke walks from cell to
// cell in single steps, writing each cell's pen block onto a floating page
// that covers the whole page.
#pragma once

#include <cstdint>

#include "document/document.h"
#include "tools/button_values.h"

// Follows one pencil stroke for the automatic characters.
struct PencilTrack {
    std::int16_t count;      // cells drawn so far; counting stops at 2
    std::int16_t prevCol;    // the last cell drawn
    std::int16_t prevRow;
    std::int16_t prePrevCol; // the cell drawn before that
    std::int16_t prePrevRow;
};

// Where a stroke's walk stands; zeroed, it has not started.
struct StrokeWalk {
    bool started;
    int col, row;
};

// The size in columns of a pen setting.
inline int StrokeSize(std::uint16_t param)
{
    return param & penSizeBits;
}

// -1, 0 or 1: one step from `from` toward `to`.
inline int StepToward(int from, int to)
{
    return (to > from) - (to < from);
}

// Moves the walk to (col, row), each step moving the column and the row by
// one toward it (while they differ), and calls `point(col, row)` at every
// cell reached, the target included; the first cell of a stroke is reached
// once.
template <typename Point> void StrokeWalkTo(StrokeWalk &walk, int col, int row, Point point)
{
    if (!walk.started) {
        walk = {true, col, row};
        point(col, row);
        return;
    }
    while (walk.col != col || walk.row != row) {
        walk.col += StepToward(walk.col, col);
        walk.row += StepToward(walk.row, row);
        point(walk.col, walk.row);
    }
}

// Floats a new empty page as large as the document's page at (0, 0), laid
// down with nullTransparent so that untouched cells change nothing.
ErrorCode StrokeFloat(Document &document);
// Draws one cell of a pencil stroke: `oldChar` is the character read at the
// press, or with automatic characters the tracker chooses by direction.
void PencilPoint(Document *document, int col, int row, unsigned char oldChar, PencilTrack &tracker);
// Erases one cell's block: spaces, which cover the page when laid down.
void RubberPoint(Document *document, int col, int row);
