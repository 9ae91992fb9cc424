// Picking up the drawing character from the page (Control with the drawing tools).
#pragma once

#include <windows.h>

#include "tools/tool_table_win.h"

// Sets the drawing character from the page cell under the point.
void SampleMouse(Document *document, POINTS localPoint);
Placing SamplePlacing(Document *document, POINT localPoint);
