// The tool bar across the top of the document window: the tool buttons, the
// current tool's option buttons, the Send Email button and the help line.
#pragma once

#include <windows.h>

#include "tools/tool_table_win.h"

const int toolBarHeight = 57;   // everything above this y belongs to the tool bar
const int toolBarBaseEnd = 315; // x of the first option button
const int sendEmailIcon = 192;

// One option button of the current tool, in a list from `firstButton`.
struct ToolButton {
    ToolButton *next;
    std::int16_t left;
    std::int16_t right;       // exclusive
    std::int16_t buttonClass; // row of `buttons`
    void *pointer;            // the setting the button edits, or none
};

// Rows of `buttons`.
enum ButtonClassNumber : std::int16_t {
    buttonTransparent, buttonCharacter, buttonJustification, buttonBigTextFont,
    buttonPictureSquish, buttonShapeSize, buttonCompounds, buttonRuleMode,
    buttonClassCount
};

struct ButtonClass {
    std::int16_t width; // pixels
    // Paints the whole button, face and frame.
    void (*drawProc)(HDC context, ToolButton *button);
    // A press on the button; follows the mouse until it is released.
    void (*mouseProc)(Document *document, ToolButton *button, POINTS localPoint);
    // The cursor and help for a point over the button.
    Placing (*placingProc)(Document *document, ToolButton *button, POINTS localPoint);
};

extern const ButtonClass buttons[buttonClassCount];

void ToolBarDraw(Document *document, HDC context, const RECT &drawRect);
void ToolBarMouse(Document *document, POINT localPoint);
// The placing for a point in the tool bar, shown with ShowPlacing.
Placing ToolBarPlacing(Document *document, POINT localPoint);
void ToolBarSetCursor(Document *document, POINT localPoint);
void ToolDrawButton(HDC context, int iconID, int left, int right, bool pressed);
// Follows the mouse while the button is held; whether it was released over the button.
int ToolTraceButton(Document *document, int iconID, int otherIcon, int left, int right);
void ToolInvalRect(Document *document, int left, int right);
ErrorCode ToolButtonInit(Document *document, int buttonClass, void *pointer);
void ToolButtonsKill(Document *document);
void ToolButtonInval(Document *document, int index);
// The first option button with left <= x < right, or null.
ToolButton *ToolButtonAt(Document *document, int x);
// Sets the cursor and the help line for a placing.
void ShowPlacing(Document *document, Placing placing);
void ToolShowPlacing(Document *document, unsigned titleIndex, unsigned detailIndex);
void ToolDrawPlacing(Document *document);
// Draws the help line into `context`.
void ToolDrawPlacingTo(Document *document, HDC context);
// Whether the primary mouse button is held (the right one when the buttons are
// swapped). A drag loop asks it before it reads the pointer, so that its last
// pass, after the release, sees where the pointer was let go: a quick drag
// released at once keeps its last cell.
bool ToolMouseDown();
