#include "selection/select_tool_win.h"

#include <iterator>

#include "selection/select_formats.h"
#include "selection/select_table.h"
#include "selection/select_table_win.h"
#include "selection/selection_win.h"
#include "tools/tool_bar_win.h"

// The cursor and help detail over each area of a selection or handle of a table.
struct SelectAreaPlacing {
    std::int16_t area;
    CursorNumber cursor;
    unsigned detailIndex;
};

static const SelectAreaPlacing selectAreaPlacings[] = {
    {areaInside, cursorMove, 201},
    {areaPage, cursorPlus, 202},
    {areaLeft, cursorSizeWE, 216},
    {areaRight, cursorSizeWE, 216},
    {areaTop, cursorSizeNS, 216},
    {areaBottom, cursorSizeNS, 216},
    {areaTop | areaLeft, cursorSizeNWSE, 216},
    {areaBottom | areaRight, cursorSizeNWSE, 216},
    {areaTop | areaRight, cursorSizeNESW, 216},
    {areaBottom | areaLeft, cursorSizeNESW, 216},
};

static const SelectAreaPlacing selectHandlePlacings[] = {
    {handleWidth, cursorWidth, 203},
    {handleJustify, cursorJustification, 204},
};

// The drag that a press on each table handle starts.
static void (*const selectHandleDrags[])(Document *document, POINTS localPoint, std::int16_t column) = {
    nullptr, SelectDragWidth, SelectChangeJustify};

static const SelectFormat &SelectFormatNow(const Document *document)
{
    return SelectFormatOf(document->now.format);
}

void SelectButtonsRefresh(Document *document)
{
    SelectButtons(document, 0);
    SelectButtons(document, 1);
}

void SelectDrop(Document *document, bool keepFront)
{
    SelectTemp(document, 1, nullptr);
    DocFrontPageDrop(*document, true, keepFront); // a page that cannot grow was reported
    SelectButtonsRefresh(document);
}

void SelectKey(Document *document, char keyChar)
{
    if (!document->now.floating) {
        StandardKey(document, keyChar);
        return;
    }
    if (SelectionMoveKey(document, keyChar))
        return;
    // Dropping looks the same as floating, so only deleting is worth undoing.
    if (keyChar == keyReturn)
        SelectDrop(document, true);
    else if ((keyChar == keyClear || keyChar == keyBackspace || keyChar == keyEscape) && !DocBeginAction(*document))
        SelectDrop(document, false);
}

// A table's column handles lie inside the selection, so they come first.
void SelectMouse(Document *document, POINTS localPoint)
{
    std::int16_t column;
    if (auto drag = selectHandleDrags[SelectArea(document, {localPoint.x, localPoint.y}, &column)]) {
        drag(document, localPoint, column);
        return;
    }
    switch (SelectionMouse(document, localPoint, SelectFormatNow(document).possibilities)) {
    case mouseMakeNew: {
        RECT rect;
        SelectionMakeNew(document, localPoint, &rect, possibleReduce);
        if (SelectLift(document, &rect))
            SelectButtonsRefresh(document); // what floated was dropped
        break;
    }
    case mouseDropped:
        SelectButtonsRefresh(document);
        break;
    }
}

void SelectActive(Document *document, int activated)
{
    if (!activated && document->now.floating)
        SelectDrop(document, true);
}

// A button that cannot be made is reported and left out.
void SelectButtons(Document *document, int activated)
{
    if (!activated) {
        ToolButtonsKill(document);
        return;
    }
    const DocState &now = document->now;
    if (!now.floating)
        return;
    ToolButtonInit(document, buttonTransparent, nullptr);
    if (now.format == formatMetafile || now.format == formatBitmap)
        ToolButtonInit(document, buttonPictureSquish, nullptr);
    else if (now.format == formatTable)
        ToolButtonInit(document, buttonRuleMode, nullptr);
}

// The row of `placings` for `area`, or none.
template <std::size_t count>
static const SelectAreaPlacing *SelectPlacingFind(const SelectAreaPlacing (&placings)[count], int area)
{
    for (const SelectAreaPlacing &placing : placings) {
        if (placing.area == area)
            return &placing;
    }
    return nullptr;
}

// As with the mouse, a table's column handles come first.
Placing SelectPlacing(Document *document, POINT localPoint)
{
    const SelectFormat &format = SelectFormatNow(document);
    std::int16_t column;
    const SelectAreaPlacing *found = SelectPlacingFind(selectHandlePlacings, SelectArea(document, localPoint, &column));
    if (!found)
        found = SelectPlacingFind(selectAreaPlacings, SelectionArea(document, localPoint, format.possibilities));
    if (!found)
        return PlacingMake(cursorArrow, format.titleIndex, 0);
    return PlacingMake(found->cursor, format.titleIndex, found->detailIndex);
}

ErrorCode SelectCopy(Document *document, Clip &clip)
{
    PageAddToClip(document->now.front, clip, false); // reported; the page form is still worth having
    return PageAddToClip(document->now.front, clip, true);
}

void SelectSelAll(Document *document)
{
    if (document->now.floating)
        SelectDrop(document, true);
    RECT whole = {0, 0, document->now.back.width, document->now.back.height};
    SelectLift(document, &whole); // a failure was reported and nothing floats
}

ErrorCode SelectLift(Document *document, RECT *rect)
{
    DocState &now = document->now;
    ErrorCode error = PageNew(now.front, rect->right - rect->left, rect->bottom - rect->top);
    if (error)
        return error;
    now.floating = 1;
    document->penStyle = penStyleHidden;
    now.floatCol = static_cast<std::int16_t>(rect->left);
    now.floatRow = static_cast<std::int16_t>(rect->top);
    PageLift(now.front, now.back, rect->left, rect->top);
    BlankRectPage(now.back, rect->left, rect->top, rect->right, rect->bottom);
    SelectTemp(document, 0, nullptr);
    SelectButtonsRefresh(document);
    SelectRecalc(document, 0, 0);
    return 0;
}
