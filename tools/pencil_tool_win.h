// The pencil (tool 3) lays characters under the pointer as it is dragged;
// the rubber (tool 4) writes spaces. Shift held at the press swaps the two
// for that stroke.
#pragma once

#include <windows.h>

#include "tools/tool_table_win.h"

void PencilKey(Document *document, char keyChar);
void PencilMouse(Document *document, POINTS localPoint);
void PencilButtons(Document *document, int activated);
Placing PencilPlacing(Document *document, POINT localPoint);

// Arrow codes scroll; any other key switches to the pencil and goes to it.
void RubberKey(Document *document, char keyChar);
void RubberMouse(Document *document, POINTS localPoint);
void RubberButtons(Document *document, int activated);
Placing RubberPlacing(Document *document, POINT localPoint);
