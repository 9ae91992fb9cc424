// Showing a placing: the cursor it names and its help in the help line.
#include "tools/tool_bar_win.h"

#include "base/error.h"
#include "base/module_win.h"

// Cursor numbers of a placing: the system's cursors by id, the program's own by name.
static const LPCSTR cursorNames[cursorCount] = {
    IDC_ARROW,   IDC_IBEAM,  IDC_WAIT,     "Plus",      IDC_SIZEALL, IDC_SIZEWE,
    IDC_SIZENS,  "Pencil",   "Hand",       IDC_CROSS,   "Bucket",    "Rubber",
    "Sample",    IDC_SIZENWSE, IDC_SIZENESW, "Width",   "Justification",
};

static HCURSOR CursorLoad(unsigned number)
{
    if (number >= cursorCount)
        number = cursorArrow;
    LPCSTR name = cursorNames[number];
    return LoadCursorA(IS_INTRESOURCE(name) ? nullptr : theInstance, name);
}

void ShowPlacing(Document *document, Placing placing)
{
    HCURSOR cursor = CursorLoad(PlacingCursor(placing));
    if (TestZeroError(cursor))
        return;
    SetCursor(cursor);
    ToolShowPlacing(document, PlacingTitle(placing), PlacingDetail(placing));
}
