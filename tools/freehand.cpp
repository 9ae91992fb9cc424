#include "tools/freehand.h"

#include "base/preferences.h"
#include "page/line_characters.h"

ErrorCode StrokeFloat(Document &document)
{
    DocState &now = document.now;
    ErrorCode error = PageNew(now.front, now.back.width, now.back.height);
    if (error)
        return error;
    now.floating = 1;
    now.floatCol = 0;
    now.floatRow = 0;
    now.transparency = nullTransparent;
    return 0;
}

// Writes `character` into the pen block at (col, row) of the floating page,
// which lies over the page at (0, 0), and marks the block for repainting.
static void StrokeStamp(Document *document, int col, int row, unsigned char character, std::uint16_t param)
{
    Page &front = document->now.front;
    int size = StrokeSize(param), vertSize, fromCol, fromRow, toCol, toRow;
    SetCharsPage(front, col, row, character, size, (param & penRound) != 0);
    GetSizedRect(front, col, row, size, vertSize, fromCol, fromRow, toCol, toRow);
    DocInvalArea(*document, fromCol, fromRow, toCol - fromCol, toRow - fromRow);
}

// A stroke's first cell has no direction yet and gets a space; once a third
// cell is reached, the cell two back is redrawn along the latest step, so
// that the first cell too follows the line.
static unsigned char PencilAutoChar(Document *document, int col, int row, const PencilTrack &tracker)
{
    if (tracker.count == 0)
        return DirectionCharacter(0, 0);
    if (tracker.count == 1)
        return DirectionCharacter(col - tracker.prevCol, row - tracker.prevRow);
    StrokeStamp(document, tracker.prePrevCol, tracker.prePrevRow,
                DirectionCharacter(col - tracker.prevCol, row - tracker.prevRow), preferences.pencilParam);
    return DirectionCharacter(col - tracker.prePrevCol, row - tracker.prePrevRow);
}

void PencilPoint(Document *document, int col, int row, unsigned char oldChar, PencilTrack &tracker)
{
    unsigned char character = preferences.pencilAuto ? PencilAutoChar(document, col, row, tracker) : oldChar;
    // A floating page that cannot grow skips this cell (the error was
    // reported); the stroke goes on.
    if (DocPageExtend(*document, true, row + 1 + StrokeSize(preferences.pencilParam) / 2))
        return;
    StrokeStamp(document, col, row, character, preferences.pencilParam);
    if (tracker.count < 2)
        ++tracker.count;
    tracker.prePrevCol = tracker.prevCol;
    tracker.prePrevRow = tracker.prevRow;
    tracker.prevCol = static_cast<std::int16_t>(col);
    tracker.prevRow = static_cast<std::int16_t>(row);
}

void RubberPoint(Document *document, int col, int row)
{
    StrokeStamp(document, col, row, ' ', preferences.rubberParam);
}
