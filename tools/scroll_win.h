// Scrolling the page area: scroll bars, keys and scrolling while dragging.
#pragma once

#include <windows.h>

#include "document/document.h"

// The most rows the view can scroll down, whatever the page's height.
const int scrollRowLimit = 16000;

// Scrolls by whole cells, within range; `doTemp` hides the tool's marks around it.
void DocScroll(Document *document, int cols, int rows, int doTemp);
// One step of scrolling while a tool drags the mouse near an edge.
void DocAutoScroll(Document *document, POINT localPoint, int doTemp);
// Sets both scroll ranges after the layout changed.
void DocumentSetMaxs(Document *document);
// A scroll-bar message (SB_HORZ or SB_VERT).
void DocScrollBar(Document *document, int bar, WPARAM wParam);
