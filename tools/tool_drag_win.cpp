#include "tools/tool_drag_win.h"

#include "app/scroll_win.h"

void ToolDragCell(Document *document, PinMode pinMode, int &col, int &row, POINT *point)
{
    POINT where;
    GetCursorPos(&where);
    ScreenToClient(document->window, &where);
    DocAutoScroll(document, where, 1);
    DocPosToCell(*document, where.x, where.y, col, row, pinMode);
    if (point)
        *point = where;
}

bool ToolShiftDown()
{
    return GetKeyState(VK_SHIFT) < 0;
}

bool ToolControlDown()
{
    return GetKeyState(VK_CONTROL) < 0;
}
