// The tool table: every tool-specific behaviour is reached through a row of
// `tools`, called by tool number; an absent procedure is skipped.
#pragma once

#include <windows.h>

#include <cstdint>

#include "document/document.h"

// What to show for a point: bits 24-31 the cursor number, bits 12-23 the
// title string id and bits 0-11 the detail string id (0 = none).
typedef std::uint32_t Placing;

constexpr Placing PlacingMake(unsigned cursor, unsigned titleIndex, unsigned detailIndex)
{
    return cursor << 24 | titleIndex << 12 | detailIndex;
}
constexpr unsigned PlacingCursor(Placing placing) { return placing >> 24; }
constexpr unsigned PlacingTitle(Placing placing) { return placing >> 12 & 0xFFF; }
constexpr unsigned PlacingDetail(Placing placing) { return placing & 0xFFF; }

// Cursor numbers of a placing.
enum CursorNumber : unsigned {
    cursorArrow = 0,
    cursorIBeam = 1,
    cursorWait = 2,
    cursorPlus = 3,
    cursorMove = 4,
    cursorSizeWE = 5,
    cursorSizeNS = 6,
    cursorPencil = 7,
    cursorHand = 8,
    cursorCross = 9,
    cursorBucket = 10,
    cursorRubber = 11,
    cursorSample = 12,
    cursorSizeNWSE = 13,
    cursorSizeNESW = 14,
    cursorWidth = 15,
    cursorJustification = 16,
    cursorCount
};

// Every button in the tool bar has its face from y 3 to 34.
const int buttonTop = 3;
const int buttonBottom = 35; // exclusive
const int toolButtonWidth = 32;

enum ToolNumber : std::int16_t {
    toolSelect, toolText, toolBigText, toolPencil, toolRubber, toolBucket, toolLine, toolCircle, toolRectangle,
    toolCount
};

// Key codes that reach tools besides typed characters.
enum ToolKey : char {
    keyClear = 0, keyBackspace = 8, keyReturn = 13, keyEscape = 27,
    keyLeft = 28, keyRight = 29, keyUp = 30, keyDown = 31,
};

struct Tool {
    std::int16_t left;        // x of the tool's 32-pixel button in the tool bar
    std::int16_t iconID;      // icon drawn in the button
    std::int16_t titleIndex;  // string: the tool's title in the help line
    std::int16_t detailIndex; // string: its description
    // Hides (1), shows (0) or draws within `drawRect` while repainting (2) the tool's temporary marks.
    void (*tempProc)(Document *document, std::int16_t showMode, RECT *drawRect);
    // Idle-time work; never called through the table.
    void (*idleProc)(Document *document);
    // A typed character or an arrow code.
    void (*keyProc)(Document *document, char keyChar);
    // A press in the page area; tracks the mouse until the button is released.
    void (*mouseProc)(Document *document, POINTS localPoint);
    // The tool becomes (1) or stops being (0) current, or its document opens or closes.
    void (*activeProc)(Document *document, int activated);
    // Creates (1) or removes (0) the tool's option buttons.
    void (*buttonsProc)(Document *document, int activated);
    // Rebuilds the floating page for a new size or after a setting changed.
    void (*recalcProc)(Document *document, std::int16_t width, std::int16_t height);
    // The cursor and help for a point in the page area.
    Placing (*placingProc)(Document *document, POINT localPoint);
};

// The tool table, indexed by tool number. Its rows name the select and text
// tools' procedures, which build on this folder, so start-up points it at them.
extern const Tool *tools;

// 1 and the tool number when the point is on a tool button, else 0.
int ToolPlace(POINT localPoint, int &tool);
// Marks the tool's button for repainting: it shows whether the tool is current.
void ToolInvalButton(Document *document, const Tool &tool);
// Makes `newTool` the document's current tool.
void ToolSelect(Document *document, int newTool);
// ToolSelect over any table of tools.
void ToolSwitch(const Tool *table, Document *document, int newTool);
// Rebuilds the current document's floating page after a setting changed.
void ToolRecalculate();
// The arrow codes scroll the window one cell; other keys do nothing.
void StandardKey(Document *document, char keyChar);
