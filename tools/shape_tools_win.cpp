#include "tools/shape_tools_win.h"

#include "base/preferences.h"
#include "page/offscreen_win.h"
#include "tools/button_classes_win.h"
#include "tools/shape_drag_win.h"

// Strings of the tools' help.
const unsigned circleTitle = 17, circleDetail = 213;
const unsigned rectangleTitle = 19, rectangleDetail = 214;

// The units are scaled so that one pen, `size` pixels thick across, is as
// thick down as a line `size` columns wide looks; the pen stays inside the box.
static ErrorCode CircleDraw(HDC context, int width, int height, int size, int vertSize)
{
    HPEN pen = CreatePen(PS_INSIDEFRAME, vertSize * size, RGB(0, 0, 0));
    ErrorCode error = TestZeroError(pen);
    if (error)
        return error;
    SetMapMode(context, MM_ANISOTROPIC);
    SetWindowExtEx(context, width * vertSize, height * size, nullptr);
    SetViewportExtEx(context, width, height, nullptr);
    HGDIOBJ oldPen = SelectObject(context, pen);
    HGDIOBJ oldBrush = SelectObject(context, GetStockObject(NULL_BRUSH));
    Ellipse(context, 0, 0, width * vertSize, height * size);
    SelectObject(context, oldBrush);
    DeleteObject(SelectObject(context, oldPen));
    return 0;
}

ErrorCode CircleMakePage(Page &page, int width, int height, unsigned char character, int size)
{
    Offscreen drawn;
    ErrorCode error = MyCreateOffscreen(drawn, width, height, 1);
    if (error)
        return error;
    error = PageNew(page, width, height);
    if (!error) {
        OffscreenClear(drawn, width, height);
        error = CircleDraw(drawn.context, width, height, size, PenRows(size));
        if (error)
            PageKill(page);
        else
            CircleLayImage(page, ShapeBitImage(drawn, width, height), character);
    }
    MyDisposeOffscreen(drawn);
    return error;
}

// The box of the press and end cells, both included, and the page made for it.
static ErrorCode BoxBuild(DocState &now, int startCol, int startRow, int endCol, int endRow,
                          ErrorCode (*makePage)(Page &, int, int, unsigned char, int), char autoChar)
{
    CellRect box;
    MakeRectangle(box, startCol, startRow, endCol, endRow, wholeBoth);
    now.floatCol = static_cast<std::int16_t>(box.left);
    now.floatRow = static_cast<std::int16_t>(box.top);
    return makePage(now.front, box.right - box.left, box.bottom - box.top, ShapeCharacter(autoChar), ShapeSize());
}

static ErrorCode CircleBuild(DocState &now, int startCol, int startRow, int endCol, int endRow)
{
    return BoxBuild(now, startCol, startRow, endCol, endRow, CircleMakePage, preferences.circleAuto);
}

static ErrorCode RectangleBuild(DocState &now, int startCol, int startRow, int endCol, int endRow)
{
    return BoxBuild(now, startCol, startRow, endCol, endRow, RectangleMakePage, preferences.rectangleAuto);
}

void CircleMouse(Document *document, POINTS localPoint)
{
    ShapeMouse(document, localPoint, {&preferences.circleAuto, CircleBuild, false});
}

void CircleKey(Document *document, char keyChar)
{
    CharacterKey(document, &preferences.circleAuto, keyChar);
}

void CircleButtons(Document *document, int activated)
{
    ShapeButtons(document, activated, &preferences.circleAuto, false);
}

Placing CirclePlacing(Document *document, POINT localPoint)
{
    return ShapePlacing(document, localPoint, circleTitle, circleDetail);
}

void RectangleMouse(Document *document, POINTS localPoint)
{
    ShapeMouse(document, localPoint, {&preferences.rectangleAuto, RectangleBuild, false});
}

void RectangleKey(Document *document, char keyChar)
{
    CharacterKey(document, &preferences.rectangleAuto, keyChar);
}

void RectangleButtons(Document *document, int activated)
{
    ShapeButtons(document, activated, &preferences.rectangleAuto, false);
}

Placing RectanglePlacing(Document *document, POINT localPoint)
{
    return ShapePlacing(document, localPoint, rectangleTitle, rectangleDetail);
}
