#include "tools/pencil_tool_win.h"

#include "base/preferences.h"
#include "tools/button_classes_win.h"
#include "tools/freehand.h"
#include "tools/sample_tool_win.h"
#include "tools/tool_bar_win.h"
#include "tools/tool_drag_win.h"

namespace {

// The cell under the pointer for a pen of `size` columns: an even block has
// no middle cell, so the point moves half a cell up and left to centre it.
void StrokeCell(Document *document, PinMode pinMode, int size, int &col, int &row)
{
    POINT where;
    ToolDragCell(document, pinMode, col, row, &where);
    if (size % 2 == 0)
        DocPosToCell(*document, where.x - fontWidth / 2, where.y - fontHeight / 2, col, row, pinMode);
}

// One stroke, one undo step: `point` writes every cell the walk reaches onto
// a floating page, laid down when the button is released. The loop runs at
// least once, so that a click released before the first poll still draws.
template <typename Point> void Stroke(Document *document, PinMode pinMode, std::uint16_t param, Point point)
{
    if (DocBeginAction(*document) || StrokeFloat(*document))
        return;
    StrokeWalk walk = {};
    for (bool down = true; down;) {
        down = ToolMouseDown();
        int col, row;
        StrokeCell(document, pinMode, StrokeSize(param), col, row);
        StrokeWalkTo(walk, col, row, point);
        DocPageUpdate(*document);
    }
    // A page that cannot grow to take the stroke keeps it out; the error was reported.
    DocFrontPageDrop(*document, true, true);
}

void PencilSubMouse(Document *document, POINTS localPoint)
{
    if (ToolControlDown()) {
        preferences.pencilAuto = 0;
        SampleMouse(document, localPoint);
        ToolButtonInval(document, 0);
        return;
    }
    unsigned char character = preferences.toolCharacter;
    PencilTrack tracker = {};
    Stroke(document, pinBelowPage, preferences.pencilParam,
           [&](int col, int row) { PencilPoint(document, col, row, character, tracker); });
}

// The rubber never extends the page.
void RubberSubMouse(Document *document)
{
    Stroke(document, pinPage, preferences.rubberParam, [&](int col, int row) { RubberPoint(document, col, row); });
}

Placing PencilSubPlacing(Document *document, POINT localPoint)
{
    if (ToolControlDown())
        return SamplePlacing(document, localPoint);
    return PlacingMake(cursorPencil, 9, 209);
}

Placing RubberSubPlacing()
{
    return PlacingMake(cursorRubber, 11, 210);
}

} // namespace

void PencilKey(Document *document, char keyChar)
{
    CharacterKey(document, &preferences.pencilAuto, keyChar);
}

void PencilMouse(Document *document, POINTS localPoint)
{
    if (ToolShiftDown())
        RubberSubMouse(document);
    else
        PencilSubMouse(document, localPoint);
}

// A button that cannot be made is reported and left out; the next is still tried.
void PencilButtons(Document *document, int activated)
{
    if (!activated) {
        ToolButtonsKill(document);
        return;
    }
    ToolButtonInit(document, buttonCharacter, &preferences.pencilAuto);
    ToolButtonInit(document, buttonShapeSize, &preferences.pencilParam);
}

Placing PencilPlacing(Document *document, POINT localPoint)
{
    return ToolShiftDown() ? RubberSubPlacing() : PencilSubPlacing(document, localPoint);
}

void RubberKey(Document *document, char keyChar)
{
    if (keyChar >= keyLeft && keyChar <= keyDown) {
        StandardKey(document, keyChar);
        return;
    }
    ToolSelect(document, toolPencil);
    PencilKey(document, keyChar);
}

void RubberMouse(Document *document, POINTS localPoint)
{
    if (ToolShiftDown())
        PencilSubMouse(document, localPoint);
    else
        RubberSubMouse(document);
}

void RubberButtons(Document *document, int activated)
{
    if (activated)
        ToolButtonInit(document, buttonShapeSize, &preferences.rubberParam); // a failure was reported
    else
        ToolButtonsKill(document);
}

Placing RubberPlacing(Document *document, POINT localPoint)
{
    return ToolShiftDown() ? PencilSubPlacing(document, localPoint) : RubberSubPlacing();
}
