// The line tool: drags out a straight line of characters.
#pragma once

#include <windows.h>

#include "tools/tool_table_win.h"

// A new `page` holding the line across the box of width+1 x height+1 cells
// whose top-left cell is (atCol, atRow) of `refPage`, from the top-left
// corner to the bottom-right one, or with `otherDiag` from the top-right to
// the bottom-left; `character` 0 chooses one by the slope.
ErrorCode LineMakePage(Page &page, const Page &refPage, int atCol, int atRow, int width, int height, bool otherDiag,
                       unsigned char character, int size);
void LineMouse(Document *document, POINTS localPoint);
void LineKey(Document *document, char keyChar);
void LineButtons(Document *document, int activated);
Placing LinePlacing(Document *document, POINT localPoint);
