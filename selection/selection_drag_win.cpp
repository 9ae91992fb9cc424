#include "selection/selection_win.h"

#include "tools/scroll_win.h"
#include "tools/tool_bar_win.h"
#include "tools/tool_drag_win.h"
#include "tools/tool_table_win.h"

static POINT AsPoint(POINTS point)
{
    return {point.x, point.y};
}

POINT SelectionMousePoint(Document *document)
{
    POINT where;
    GetCursorPos(&where);
    ScreenToClient(document->window, &where);
    return where;
}

POINT SelectionDragPoint(Document *document)
{
    POINT where = SelectionMousePoint(document);
    DocAutoScroll(document, where, 1);
    return where;
}

std::int16_t SelectionArea(Document *document, POINT localPoint, std::int16_t possibilities)
{
    return static_cast<std::int16_t>(SelectionAreaAt(*document, localPoint.x, localPoint.y, possibilities));
}

// A press beside the floating page drops it; whether a new rectangle follows.
static std::int16_t SelectionMouseOutside(Document *document, POINTS localPoint, int area, int possibilities)
{
    if ((possibilities & possibleAction) && DocBeginAction(*document))
        return mouseNothing;
    SelectTemp(document, 1, nullptr);
    if (document->now.floating)
        DocFrontPageDrop(*document, true, true); // a failure to grow the page was reported there
    bool wanted = area == areaPage || (possibilities & possibleBelow);
    if (!wanted)
        return mouseDropped;
    // A click alone would only drop what was floating, which undo brings back.
    if (!(possibilities & possibleMoveFirst) && !document->last.floating)
        return mouseMakeNew;
    return SelectionMouseMoved(document, localPoint) ? mouseMakeNew : mouseDropped;
}

std::int16_t SelectionMouse(Document *document, POINTS localPoint, std::int16_t possibilities)
{
    int area = SelectionArea(document, AsPoint(localPoint), possibilities);
    if (area == areaOffPage)
        return mouseNothing;
    if (area == areaPage || area == areaBelowPage)
        return SelectionMouseOutside(document, localPoint, area, possibilities);
    if (DocBeginAction(*document))
        return mouseNothing;
    if (area == areaInside)
        return SelectionMoveDrag(document, localPoint);
    SelectionResize(document, localPoint, static_cast<std::int16_t>(area));
    return mouseResized;
}

int SelectionMouseMoved(Document *document, POINTS localPoint)
{
    while (ToolMouseDown()) {
        POINT where = SelectionMousePoint(document);
        if (where.x != localPoint.x || where.y != localPoint.y)
            return 1;
    }
    return 0;
}

void SelectionPlace(Document *document, int col, int row, int width, int height)
{
    DocState &now = document->now;
    SelectionToolTemp(document, 1);
    DocInvalFrontRect(*document);
    now.floatCol = static_cast<std::int16_t>(col);
    now.floatRow = static_cast<std::int16_t>(row);
    auto recalcProc = tools[now.tool].recalcProc;
    if (recalcProc && (width != now.front.width || height != now.front.height))
        recalcProc(document, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
    DocInvalFrontRect(*document);
    DocPageUpdate(*document);
    SelectionToolTemp(document, 0);
}

std::int16_t SelectionMoveDrag(Document *document, POINTS localPoint)
{
    DocState &now = document->now;
    int offsetX, offsetY;
    DocCellToPos(*document, now.floatCol, now.floatRow, offsetX, offsetY);
    offsetX -= localPoint.x;
    offsetY -= localPoint.y;
    if (ToolControlDown())
        DocFrontPageDrop(*document, false, true); // stamps a copy; a failure was reported there
    // At least one pass: a click that is over before it is seen still counts.
    for (bool down = true; down;) {
        down = ToolMouseDown();
        POINT where = SelectionDragPoint(document);
        int col, row;
        DocPosToCell(*document, where.x + offsetX, where.y + offsetY, col, row, pinNone);
        if (col == now.floatCol && row == now.floatRow)
            continue;
        SelectionPlace(document, col, row, now.front.width, now.front.height);
    }
    return mouseMoved;
}

// -1 for the low edge's bit, +1 for the high edge's, else 0.
static int SelectionDirection(int edge, int lowBit, int highBit)
{
    return edge & lowBit ? -1 : edge & highBit ? 1 : 0;
}

void SelectionResize(Document *document, POINTS localPoint, std::int16_t edge)
{
    DocState &now = document->now;
    int directionCol = SelectionDirection(edge, areaLeft, areaRight);
    int directionRow = SelectionDirection(edge, areaTop, areaBottom);
    // The sizes are kept net of scrolling, so that scrolling mid-drag moves the edge with the view.
    int oldWidth = now.front.width - document->scrollCol * directionCol;
    int oldHeight = now.front.height - document->scrollRow * directionRow;
    for (bool down = true; down;) {
        down = ToolMouseDown();
        int newWidth = oldWidth + document->scrollCol * directionCol;
        int newHeight = oldHeight + document->scrollRow * directionRow;
        POINT where = SelectionDragPoint(document);
        newWidth = SelectionResizeLength(newWidth, where.x - localPoint.x, fontWidth, directionCol);
        newHeight = SelectionResizeLength(newHeight, where.y - localPoint.y, fontHeight, directionRow);
        if (!(directionCol && newWidth != now.front.width) && !(directionRow && newHeight != now.front.height))
            continue;
        // The opposite edge stays put.
        int col = now.floatCol + (directionCol < 0 ? now.front.width - newWidth : 0);
        int row = now.floatRow + (directionRow < 0 ? now.front.height - newHeight : 0);
        SelectionPlace(document, col, row, newWidth, newHeight);
    }
}

void SelectionMakeNew(Document *document, POINTS localPoint, RECT *rect, std::int16_t possibilities)
{
    DocState &now = document->now;
    Page front = now.front;
    PinMode pin = possibilities & possibleBelow ? pinBelowPage : pinPage;
    int downCol, downRow;
    DocPosToCell(*document, localPoint.x, localPoint.y, downCol, downRow, pin);
    CellRect cells;
    SelectionNewRect(*document, downCol, downRow, downCol, downRow, possibilities, false, cells);
    // Only the outline floats: the front page's size frames it, its cells are not used.
    SelectionFloatRect(now, cells);
    now.transparency = ignoreFront;
    document->penStyle = penStyleHidden;
    now.floating = 1;
    SelectTemp(document, 0, nullptr);
    int lastCol = downCol, lastRow = downRow;
    bool lastReduce = false;
    for (bool down = true; down;) {
        down = ToolMouseDown();
        int col, row;
        ToolDragCell(document, pin, col, row);
        bool reduce = (possibilities & possibleReduce) && ToolControlDown();
        if (col == lastCol && row == lastRow && reduce == lastReduce) {
            SelectIdle(document);
            continue;
        }
        lastCol = col;
        lastRow = row;
        lastReduce = reduce;
        SelectTemp(document, 1, nullptr);
        SelectionNewRect(*document, downCol, downRow, col, row, possibilities, reduce, cells);
        SelectionFloatRect(now, cells);
        SelectTemp(document, 0, nullptr);
    }
    SelectTemp(document, 1, nullptr);
    now.floating = 0;
    now.front = front;
    *rect = {cells.left, cells.top, cells.right, cells.bottom};
}
