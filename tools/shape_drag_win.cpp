#include "tools/shape_drag_win.h"

#include "base/preferences.h"
#include "tools/sample_tool_win.h"
#include "tools/tool_bar_win.h"
#include "tools/tool_drag_win.h"

// Replaces the floating shape with the one ending at (endCol, endRow) and
// shows it at once; on failure nothing floats.
static ErrorCode ShapeRebuild(Document *document, const ShapeTool &tool, int startCol, int startRow, int endCol,
                              int endRow)
{
    DocState &now = document->now;
    DocInvalFrontRect(*document);
    PageKill(now.front);
    now.front = Page{};
    now.floating = 0;
    ErrorCode error = tool.build(now, startCol, startRow, endCol, endRow);
    if (error)
        return error;
    now.floating = 1;
    DocInvalFrontRect(*document);
    DocPageUpdate(*document);
    return 0;
}

// Follows the mouse until it is released, rebuilding the shape whenever the
// end cell changes; false if a rebuild failed.
static bool ShapeTrack(Document *document, const ShapeTool &tool, int startCol, int startRow)
{
    bool drawn = false;
    int drawnCol = 0, drawnRow = 0;
    // At least one pass: a click that is over before the press is seen still draws.
    for (bool down = true; down;) {
        down = ToolMouseDown();
        int endCol, endRow;
        ToolDragCell(document, pinBelowPage, endCol, endRow);
        if (tool.constrained && ToolShiftDown() && endCol != startCol)
            LineConstrain(startCol, startRow, endCol, endRow);
        if (drawn && endCol == drawnCol && endRow == drawnRow)
            continue;
        drawn = true;
        drawnCol = endCol;
        drawnRow = endRow;
        if (ShapeRebuild(document, tool, startCol, startRow, endCol, endRow))
            return false;
    }
    return true;
}

void ShapeMouse(Document *document, POINTS localPoint, const ShapeTool &tool)
{
    if (ToolControlDown()) {
        *tool.autoChar = 0; // the picked-up character is meant to be used at once
        SampleMouse(document, localPoint);
        ToolButtonInval(document, 0);
        return;
    }
    int startCol, startRow;
    if (!DocPosToCell(*document, localPoint.x, localPoint.y, startCol, startRow, pinBelowPage))
        return;
    if (DocBeginAction(*document))
        return;
    DocState &now = document->now;
    if (PageNew(now.front, 0, 0))
        return;
    now.floating = 1;
    now.floatCol = now.floatRow = 0;
    now.transparency = nullTransparent;
    if (ShapeTrack(document, tool, startCol, startRow))
        DocFrontPageDrop(*document, true, true); // a failure to grow the page was reported there
}

void ShapeButtons(Document *document, int activated, char *autoChar, bool compounds)
{
    if (!activated) {
        ToolButtonsKill(document);
        return;
    }
    // A button that cannot be made is left out (reported); the rest still come.
    ToolButtonInit(document, buttonCharacter, autoChar);
    ToolButtonInit(document, buttonShapeSize, &preferences.drawParam);
    if (compounds)
        ToolButtonInit(document, buttonCompounds, nullptr);
}

Placing ShapePlacing(Document *document, POINT localPoint, unsigned titleIndex, unsigned detailIndex)
{
    if (ToolControlDown())
        return SamplePlacing(document, localPoint);
    return PlacingMake(cursorCross, titleIndex, detailIndex);
}

unsigned char ShapeCharacter(char autoChar)
{
    return autoChar ? 0 : static_cast<unsigned char>(preferences.toolCharacter);
}

int ShapeSize()
{
    return preferences.drawParam & 0xFFF;
}

BitImage ShapeBitImage(const Offscreen &offscreen, int width, int height)
{
    GdiFlush(); // the pixels are read directly
    const unsigned char *top = offscreen.bits + static_cast<std::ptrdiff_t>(height - 1) * offscreen.widthBytes;
    return {top, -offscreen.widthBytes, width, height};
}
