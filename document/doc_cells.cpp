#include <algorithm>

#include "document/doc_platform.h"
#include "document/document.h"

void DocCellToPos(const Document &document, int col, int row, int &x, int &y)
{
    x = (col - document.scrollCol) * fontWidth + document.textRect.left;
    y = (row - document.scrollRow) * fontHeight + document.textRect.top;
}

// Division truncates toward zero, so a position less than a cell to the left
// of or above the character area still maps to the first visible cell.
bool DocPosToCell(const Document &document, int x, int y, int &col, int &row, PinMode pinMode)
{
    col = (x - document.textRect.left) / fontWidth + document.scrollCol;
    row = (y - document.textRect.top) / fontHeight + document.scrollRow;
    return DocPinCell(document, col, row, pinMode);
}

// Keeps `value` within 0 .. limit - 1; false when it had to move.
static bool PinWithin(int &value, int limit)
{
    if (value < 0) {
        value = 0;
        return false;
    }
    if (value >= limit) {
        value = limit - 1;
        return false;
    }
    return true;
}

// The first row that the pin mode keeps a cell above.
static int DocRowLimit(const DocState &state, PinMode pinMode)
{
    if (pinMode == pinFloating && state.floating)
        return std::max(static_cast<int>(state.back.height), state.floatRow + state.front.height);
    return state.back.height;
}

bool DocPinCell(const Document &document, int &col, int &row, PinMode pinMode)
{
    if (pinMode == pinNone)
        return true;
    bool inside = PinWithin(col, document.now.back.width);
    if (pinMode == pinBelowPage && row >= 0) // only rows above the page are pinned
        return inside;
    return PinWithin(row, DocRowLimit(document.now, pinMode)) && inside;
}

void MakeRectangle(CellRect &rect, int col1, int row1, int col2, int row2, WholeMode wholeMode)
{
    rect.left = std::min(col1, col2);
    rect.top = std::min(row1, row2);
    rect.right = std::max(col1, col2) + (wholeMode & wholeCol ? 1 : 0);
    rect.bottom = std::max(row1, row2) + (wholeMode & wholeRow ? 1 : 0);
}

void DocInvalArea(const Document &document, int fromCol, int fromRow, int width, int height)
{
    PixelRect area;
    DocCellToPos(document, fromCol, fromRow, area.left, area.top);
    DocCellToPos(document, fromCol + width, fromRow + height, area.right, area.bottom);
    const PixelRect &text = document.textRect;
    area = {std::max(area.left, text.left), std::max(area.top, text.top), std::min(area.right, text.right),
            std::min(area.bottom, text.bottom)};
    if (area.left < area.right && area.top < area.bottom)
        DocWindowInvalidate(document.window, area);
}

void DocInvalFrontRect(const Document &document)
{
    const DocState &now = document.now;
    DocInvalArea(document, now.floatCol, now.floatRow, now.front.width, now.front.height);
}

void DocPageUpdate(const Document &document)
{
    DocWindowUpdate(document.window);
}
