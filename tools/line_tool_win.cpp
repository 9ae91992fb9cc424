#include "tools/line_tool_win.h"

#include "base/preferences.h"
#include "page/offscreen_win.h"
#include "tools/button_classes_win.h"
#include "tools/shape_drag_win.h"

// Strings of the line tool's help.
const unsigned lineTitle = 15, lineDetail = 212;

// The line is aimed at twice the box, so that the part inside the bitmap
// runs from corner cell to corner cell with both included, although GDI
// leaves out a line's far end.
static void LineDraw(HDC context, int width, int height, bool otherDiag)
{
    int fromX = otherDiag ? width : 0;
    MoveToEx(context, fromX, 0, nullptr);
    LineTo(context, otherDiag ? -width : 2 * width, 2 * height);
}

ErrorCode LineMakePage(Page &page, const Page &refPage, int atCol, int atRow, int width, int height, bool otherDiag,
                       unsigned char character, int size)
{
    Offscreen drawn;
    ErrorCode error = MyCreateOffscreen(drawn, width + 1, height + 1, 1);
    if (error)
        return error;
    error = PageNew(page, width + size, height + PenRows(size));
    if (error) {
        MyDisposeOffscreen(drawn);
        return error;
    }
    if (!character)
        character = LineAutoCharacter(width, height, otherDiag);
    OffscreenClear(drawn, width + 1, height + 1);
    LineDraw(drawn.context, width, height, otherDiag); // the memory context's pen is one black pixel
    LineLayImage(page, refPage, atCol, atRow, ShapeBitImage(drawn, width + 1, height + 1), character, size);
    MyDisposeOffscreen(drawn);
    return 0;
}

static ErrorCode LineBuild(DocState &now, int startCol, int startRow, int endCol, int endRow)
{
    CellRect box;
    MakeRectangle(box, startCol, startRow, endCol, endRow, wholeNone);
    bool otherDiag = (endCol < startCol) != (endRow < startRow);
    now.floatCol = static_cast<std::int16_t>(box.left);
    now.floatRow = static_cast<std::int16_t>(box.top);
    return LineMakePage(now.front, now.back, box.left, box.top, box.right - box.left, box.bottom - box.top, otherDiag,
                        ShapeCharacter(preferences.lineAuto), ShapeSize());
}

void LineMouse(Document *document, POINTS localPoint)
{
    ShapeMouse(document, localPoint, {&preferences.lineAuto, LineBuild, true});
}

void LineKey(Document *document, char keyChar)
{
    CharacterKey(document, &preferences.lineAuto, keyChar);
}

void LineButtons(Document *document, int activated)
{
    ShapeButtons(document, activated, &preferences.lineAuto, true);
}

Placing LinePlacing(Document *document, POINT localPoint)
{
    return ShapePlacing(document, localPoint, lineTitle, lineDetail);
}
