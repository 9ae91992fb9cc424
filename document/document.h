// The open document: its current and undo states, the laying down of the
// floating page, and the mapping between window pixels and cells.
#pragma once

#include <cstdint>

#include "page/page.h"

// The platform's window handle, named as windows.h names it so that the
// record holds a real HWND without this header needing windows.h.
struct HWND__;
typedef HWND__ *WindowHandle;

// A rectangle of client-area pixels, laid out like the platform's RECT;
// right and bottom are exclusive.
struct PixelRect {
    std::int32_t left, top, right, bottom;
};

// What a state's `handle` holds.
enum DocFormat : std::uint16_t {
    formatNone = 0,     // nothing
    formatText = 1,     // a block of typed text
    formatTable = 2,    // a block holding a parsed table
    formatMetafile = 3, // an enhanced metafile
    formatBitmap = 4,   // a block holding a packed device-independent bitmap
};

struct DocState {
    std::uint16_t floating; // 1 while `front` exists
    Page back;              // the drawing
    Page front;             // the floating page; empty while not floating
    std::int16_t floatCol;  // back-page cell under the front page's top-left cell
    std::int16_t floatRow;
    Transparency transparency; // how the front page shows and is laid down
    std::uint16_t format;      // a DocFormat: what `handle` holds
    std::uint32_t used;        // typed text: bytes of text in the block
    std::uint32_t allocated;   // size of the block `handle` holds (formats 1, 2 and 4)
    void *handle;              // the source the front page was made from, owned
    std::int16_t tool;         // index of the current tool
};

struct ToolButton;

struct Document {
    WindowHandle window;
    ToolButton *firstButton;   // the current tool's buttons in the tool bar
    std::int16_t buttonEnd;    // x where the current tool's next button goes
    std::int16_t buttonStart;  // x of the tool bar's Send Email button
    std::uint16_t titleIndex;  // string shown as the help line's title; 0 for none
    std::uint16_t detailIndex; // string shown as its detail; 0 for none
    int placingShown;          // the help line shows text
    char file[512];            // full path, valid when windowFiled
    PixelRect textRect;        // the character area
    PixelRect rulerRectLeft;
    PixelRect rulerRectTop;
    std::int16_t textColumns; // columns visible
    std::int16_t textRows;    // rows visible, never more than the back page's
    std::int16_t colUnits;    // numbering step of the top ruler
    std::int16_t rowUnits;    // numbering step of the left ruler
    int windowDirty;          // changed since last saved
    int windowFiled;          // `file` is valid
    std::int16_t scrollCol;   // first visible column
    std::int16_t scrollRow;   // first visible row
    DocState now;
    DocState last;                // the undo state
    int penStyle;                 // style the floating outline was last drawn with
    std::uint32_t scrollColTicks; // tick count of the last automatic scroll step
    std::uint32_t scrollRowTicks;
};

// The platform's null pen style: the floating outline is not on screen.
const int penStyleHidden = 5;

// How far a cell is kept inside the page.
enum PinMode {
    pinPage = 0,      // rows within the back page
    pinBelowPage = 1, // rows below the page allowed
    pinFloating = 2,  // rows within the back page or the floating page, whichever reaches lower
    pinNone = 3,      // columns and rows left as they are
};

// Which far edges of MakeRectangle's rectangle are inclusive; a pair of bits.
enum WholeMode {
    wholeNone = 0,
    wholeCol = 1,
    wholeRow = 2,
    wholeBoth = 3,
};

extern Document *theDocument;
extern WindowHandle theWindow;

// A fresh copy of `lastState` in `thisState`, sharing nothing; on failure
// `thisState` is left untouched and nothing is kept.
ErrorCode DocStateCopy(const DocState &lastState, DocState &thisState);
void DocStateKill(DocState &state);
// Snapshots `now` into `last` and marks the document dirty; on failure
// nothing changes.
ErrorCode DocBeginAction(Document &document);
// `keepFront` lays the floating page onto the back page, `freeUp` ends it.
ErrorCode DocFrontPageDrop(Document &document, bool freeUp, bool keepFront);
// Grows the front (or back) page of `now` down to `height` rows.
ErrorCode DocPageExtend(Document &document, bool front, int height);

void DocCellToPos(const Document &document, int col, int row, int &x, int &y);
// Whether the cell lay within the pin mode's limits before it was pinned.
bool DocPosToCell(const Document &document, int x, int y, int &col, int &row, PinMode pinMode);
bool DocPinCell(const Document &document, int &col, int &row, PinMode pinMode);
void MakeRectangle(CellRect &rect, int col1, int row1, int col2, int row2, WholeMode wholeMode);

// Marks the visible part of a cell area for repainting.
void DocInvalArea(const Document &document, int fromCol, int fromRow, int width, int height);
void DocInvalFrontRect(const Document &document);
// Repaints the marked area at once.
void DocPageUpdate(const Document &document);
