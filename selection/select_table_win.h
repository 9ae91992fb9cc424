// Dragging a floating table's columns: the width handle after each column
// and the justification handle in its middle.
#pragma once

#include <windows.h>

#include <cstdint>

#include "document/document.h"

// 0 for no handle, 1 a width handle, 2 a justification handle (a
// SelectTableHandle); for a handle its column goes to `columnPtr`.
std::int16_t SelectArea(Document *document, POINT localPoint, std::int16_t *columnPtr);
// Follows a press at `localPoint` on `column`'s width handle until the button
// is released, scrolling at the edges, as one undoable action.
void SelectDragWidth(Document *document, POINTS localPoint, std::int16_t column);
// Follows a press in `column`'s middle, setting its justification from the
// sideways distance, as one undoable action.
void SelectChangeJustify(Document *document, POINTS localPoint, std::int16_t column);
