// What the line, circle and rectangle tools share: the drag that floats the
// shape while the mouse is held, their option buttons and their placing.
#pragma once

#include <windows.h>

#include "page/offscreen_win.h"
#include "tools/line_cells.h"
#include "tools/tool_table_win.h"

// Builds `now.front` for the shape from the press cell to the end cell and
// sets where it floats.
typedef ErrorCode (*ShapeBuild)(DocState &now, int startCol, int startRow, int endCol, int endRow);

struct ShapeTool {
    char *autoChar;   // the tool's automatic-character flag in `preferences`
    ShapeBuild build;
    bool constrained; // Shift bends the end to horizontal, vertical or 45 degrees
};

void ShapeMouse(Document *document, POINTS localPoint, const ShapeTool &tool);
// Character, ShapeSize and, when asked, Compounds; or their removal.
void ShapeButtons(Document *document, int activated, char *autoChar, bool compounds);
// The sample placing while Control is held, else the cross-hair and the help.
Placing ShapePlacing(Document *document, POINT localPoint, unsigned titleIndex, unsigned detailIndex);
// The drawing character, or 0 for automatic ones.
unsigned char ShapeCharacter(char autoChar);
// The pen's thickness in columns.
int ShapeSize();
// The top-left width x height pixels of a one-bit off-screen bitmap, once drawing is done.
BitImage ShapeBitImage(const Offscreen &offscreen, int width, int height);
