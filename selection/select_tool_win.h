// The select tool: lifting rectangles of the page into a floating selection,
// moving, deleting and dropping it, and the pages, pictures and tables that
// Paste makes into selections.
#pragma once

#include <windows.h>

#include <cstddef>

#include "document/clipboard_win.h"
#include "document/document.h"
#include "tools/tool_table_win.h"

// A typed key: with nothing floating the arrow codes scroll the window;
// otherwise they move the selection, Return drops it and Clear (0),
// Backspace and Escape delete it as one undoable action.
void SelectKey(Document *document, char keyChar);
void SelectMouse(Document *document, POINTS localPoint);
// A selection still floating when the tool stops being current is dropped.
void SelectActive(Document *document, int activated);
// While something floats: Transparent, and Picture Scaling for a picture or
// Table Ruling for a table.
void SelectButtons(Document *document, int activated);
// Sets the transparency and rebuilds a picture at `width` x `height` or a
// table at the size its columns give; other selections keep their cells.
void SelectRecalc(Document *document, std::int16_t width, std::int16_t height);
Placing SelectPlacing(Document *document, POINT localPoint);

// Puts the selection on the clipboard as text and as a page; the result is
// that of the page.
ErrorCode SelectCopy(Document *document, Clip &clip);
// Paste as one undoable action: a page (pageClipFormat), tab-separated text
// (CF_TEXT) as a table, or a picture (CF_DIB, pngClipFormat, or CF_ENHMETAFILE
// whose `theHandle` is the metafile itself) floats at the first visible cell.
void SelectReceive(Document *document, HANDLE theHandle, std::size_t dataSize, UINT format);
// Drops what floats and lifts the whole page.
void SelectSelAll(Document *document);
// Lifts the cells of `rect` into a new selection, leaving spaces behind; on
// failure nothing floats and the page is unchanged.
ErrorCode SelectLift(Document *document, RECT *rect);

// Removes and makes again the option buttons, after what floats changed.
void SelectButtonsRefresh(Document *document);
// Hides the frame and ends the selection, laid onto the page with
// `keepFront` or discarded without it.
void SelectDrop(Document *document, bool keepFront);
