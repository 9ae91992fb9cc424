#include "selection/selection_cells.h"

#include <algorithm>

// Differences from an edge are taken as 16-bit values, as the cells are.
static bool Within(int difference, int low, int high)
{
    auto value = static_cast<std::int16_t>(difference);
    return low <= value && value <= high;
}

// An edge band is one cell wide plus one pixel, centred on the true edge;
// left wins over right and top over bottom when both hold.
static int SelectionEdges(const PixelRect &frame, int x, int y, int possibilities)
{
    int area = areaInside;
    if (possibilities & possibleWidth) {
        if (Within(x - frame.left, 0, fontWidth))
            area |= areaLeft;
        else if (Within(x - frame.right, -fontWidth, 0))
            area |= areaRight;
    }
    if (possibilities & possibleHeight) {
        if (Within(y - frame.top, 0, fontHeight))
            area |= areaTop;
        else if (Within(y - frame.bottom, -fontHeight, 0))
            area |= areaBottom;
    }
    return area;
}

int SelectionAreaAt(const Document &document, int x, int y, int possibilities)
{
    int col, row;
    if (!DocPosToCell(document, x, y, col, row, pinBelowPage))
        return areaOffPage;
    const DocState &now = document.now;
    PixelRect frame;
    DocCellToPos(document, now.floatCol, now.floatRow, frame.left, frame.top);
    DocCellToPos(document, now.floatCol + now.front.width, now.floatRow + now.front.height, frame.right,
                 frame.bottom);
    // Live edges reach half a cell out, so that a thin page can still be caught.
    if (possibilities & possibleWidth) {
        frame.left -= fontWidth / 2;
        frame.right += fontWidth / 2;
    }
    if (possibilities & possibleHeight) {
        frame.top -= fontHeight / 2;
        frame.bottom += fontHeight / 2;
    }
    if (now.floating && frame.left <= x && x < frame.right && frame.top <= y && y < frame.bottom)
        return SelectionEdges(frame, x, y, possibilities);
    return DocPosToCell(document, x, y, col, row, pinPage) ? areaPage : areaBelowPage;
}

PixelRect SelectionFrameRect(const Document &document)
{
    const DocState &now = document.now;
    int left = std::max(0, static_cast<int>(now.floatCol));
    int top = std::max(0, static_cast<int>(now.floatRow));
    int right = std::min(now.floatCol + now.front.width, static_cast<int>(now.back.width));
    int bottom = now.floatRow + now.front.height;
    PixelRect frame;
    DocCellToPos(document, left, top, frame.left, frame.top);
    DocCellToPos(document, right, bottom, frame.right, frame.bottom);
    if (frame.left == frame.right)
        frame.right += 2;
    if (frame.top == frame.bottom)
        frame.bottom += 2;
    return frame;
}

void SelectionNewRect(const Document &document, int downCol, int downRow, int col, int row, int possibilities,
                      bool reduce, CellRect &rect)
{
    if (possibilities & possibleOneRow)
        downRow = row;
    MakeRectangle(rect, downCol, downRow, col, row, wholeBoth);
    if (reduce)
        PageAutoReduce(document.now.back, rect, true);
}

void SelectionFloatRect(DocState &now, const CellRect &rect)
{
    now.floatCol = static_cast<std::int16_t>(rect.left);
    now.floatRow = static_cast<std::int16_t>(rect.top);
    now.front.width = static_cast<std::int16_t>(rect.right - rect.left);
    now.front.height = static_cast<std::int16_t>(rect.bottom - rect.top);
}

// Division truncates toward zero: the edge moves only once a whole cell is crossed.
int SelectionResizeLength(int length, int moved, int cellSize, int direction)
{
    return std::max(1, length + moved / cellSize * direction);
}
