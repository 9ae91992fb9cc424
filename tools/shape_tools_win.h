// The circle and rectangle tools: drag out the outline of an ellipse or of a
// rectangle filling the box between the press cell and the current cell.
#pragma once

#include <windows.h>

#include "tools/shape_cells.h"
#include "tools/tool_table_win.h"

// A new `page` of width x height cells holding the inscribed ellipse's
// outline; `character` 0 chooses each cell's by its place on the outline.
ErrorCode CircleMakePage(Page &page, int width, int height, unsigned char character, int size);

void CircleMouse(Document *document, POINTS localPoint);
void CircleKey(Document *document, char keyChar);
void CircleButtons(Document *document, int activated);
Placing CirclePlacing(Document *document, POINT localPoint);

void RectangleMouse(Document *document, POINTS localPoint);
void RectangleKey(Document *document, char keyChar);
void RectangleButtons(Document *document, int activated);
Placing RectanglePlacing(Document *document, POINT localPoint);
