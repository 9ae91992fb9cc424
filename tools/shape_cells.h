// The rectangle and circle tools' cells: the rectangle outline, and the
// characters of a drawn ellipse outline.
#pragma once

#include "page/page.h"
#include "tools/line_cells.h"

// A new `page` of width x height cells framed `size` cells thick; `character`
// 0 draws with "|", "-" and "+".
ErrorCode RectangleMakePage(Page &page, int width, int height, unsigned char character, int size);
// The automatic character at (col, row) of an ellipse's outline in a
// width x height box, by where the cell lies around the centre.
unsigned char CircleCharacter(int width, int height, int col, int row);
// Writes `character`, or the automatic one when it is 0, at every drawn pixel
// of `image`, which is as large as `page`.
void CircleLayImage(Page &page, const BitImage &image, unsigned char character);
