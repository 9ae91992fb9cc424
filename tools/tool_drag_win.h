// What the drawing tools' mouse-tracking loops share.
#pragma once

#include <windows.h>

#include "document/document.h"

// One pass of a drag: brings the key state up to date, reads the pointer, scrolls the window when it presses
// against an edge of the page area, and gives the cell under it pinned by
// `pinMode`; the point itself (client pixels) goes to `point` if given.
void ToolDragCell(Document *document, PinMode pinMode, int &col, int &row, POINT *point = nullptr);
// Whether Shift or Control is held now.
bool ToolShiftDown();
bool ToolControlDown();
