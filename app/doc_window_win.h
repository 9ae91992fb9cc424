// The document window: its bands, message routing, menus and placings.
#pragma once

#include <windows.h>

#include "tools/tool_table_win.h"

// Client-area bands, in pixels.
const int rulerSize = 26;           // width of the row ruler
const int pageTop = 81;             // top of the page area (below the column ruler)
const int minimumWindowWidth = 608; // narrowest the window may be dragged

// The window class name of the document window.
extern const char documentClassName[];

// Keeps `document` in the window's user-data slot, where its messages find it.
void DocumentLink(HWND window, Document *document);
// Registers "Document"; if that fails, creating the window fails and says so.
void InitDocWindows();
LRESULT CALLBACK DocumentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void DocumentMenu(Document *document, int itemID);
void DocumentEnableMenus(Document *document, HMENU menu);
// Handles a press on a ruler; 0 when the point is on no ruler.
int DocumentMouse(Document *document, POINT localPoint);
// The placing for a point below the tool bar.
Placing DocumentPlacing(Document *document, POINT localPoint);
// Recomputes the layout after the client size, page width or font changed.
void DocumentSized(Document *document);
void DocStandardWindowRect(Document *document, RECT &windowRect);
