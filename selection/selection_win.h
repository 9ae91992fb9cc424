// The floating-page machinery shared by the select, text and big text tools:
// the selection frame, moving and resizing by mouse and keys, marking a new
// rectangle, and the effects.
#pragma once

#include <windows.h>

#include <cstdint>

#include "document/document.h"
#include "selection/selection_cells.h"

// What SelectionMouse did.
enum SelectionMouseResult : std::int16_t {
    mouseNothing = 0, // nothing, or an action could not begin
    mouseMakeNew = 1, // a new rectangle is to be marked
    mouseDropped = 2, // the floating page was dropped, nothing new follows
    mouseMoved = 3,
    mouseResized = 4,
};

// The tools' tempProc: shows (0), hides (1) or redraws within `drawRect`
// after a repaint (2) the dotted inverting frame around the floating page.
void SelectTemp(Document *document, std::int16_t showMode, RECT *drawRect);
// The tools' idleProc; there is nothing to do while idle.
void SelectIdle(Document *document);

// Shows (0) or hides (1) the marks through the current tool's tempProc.
void SelectionToolTemp(Document *document, std::int16_t showMode);

// Moves the floating page's top-left cell to (col, row), rebuilding it through
// the tool's recalcProc when width x height is a new size, and repaints at
// once with the frame hidden around the change.
void SelectionPlace(Document *document, int col, int row, int width, int height);

// The pointer in client pixels, without scrolling.
POINT SelectionMousePoint(Document *document);
// One pass of a drag: the pointer, after scrolling when it presses against an
// edge of the page area.
POINT SelectionDragPoint(Document *document);

std::int16_t SelectionArea(Document *document, POINT localPoint, std::int16_t possibilities);
// A press in the page area: moves or resizes the floating page, or drops it
// and says whether a new rectangle is wanted.
std::int16_t SelectionMouse(Document *document, POINTS localPoint, std::int16_t possibilities);
// Drags the floating page until the button is released, keeping its pixel
// offset from the mouse; with Control held at the start a copy stays behind.
std::int16_t SelectionMoveDrag(Document *document, POINTS localPoint);
// Drags the edge or corner `edge` (an area code 1-10) until the button is
// released; the tool's recalcProc fills each new size.
void SelectionResize(Document *document, POINTS localPoint, std::int16_t edge);
// Marks a rectangle of cells with a rubber-band frame until the button is
// released and returns it in `rect`; nothing floats afterwards.
void SelectionMakeNew(Document *document, POINTS localPoint, RECT *rect, std::int16_t possibilities);
// 1 as soon as the mouse leaves `localPoint` with the button held, 0 if the
// button is released first.
int SelectionMouseMoved(Document *document, POINTS localPoint);
// Moves the floating page a cell for an arrow code, as one undoable step;
// 1 when `keyChar` was an arrow code.
int SelectionMoveKey(Document *document, char keyChar);
// Applies an effect (a Transformation) to the floating page as one undoable
// action; the error has been reported.
ErrorCode SelectionTransform(Document *document, std::int16_t transformation);
