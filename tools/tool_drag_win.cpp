#include "tools/tool_drag_win.h"

#include "tools/scroll_win.h"

// A drag polls the mouse without going back to the message loop, so the
// thread's key state would stay as it was at the press. Taking the key
// messages off the queue brings it up to date, and Shift pressed in the
// middle of a drag is seen; keys typed during a drag are meant for nothing.
static void ToolDragTakeKeys()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

void ToolDragCell(Document *document, PinMode pinMode, int &col, int &row, POINT *point)
{
    ToolDragTakeKeys();
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
