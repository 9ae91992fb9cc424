// Child controls made in one call: pictures, push buttons and texts.
#pragma once

#include <windows.h>

// A picture showing bitmap `resource` at its own size when `width` and
// `height` are 0, else stretched to them; it reports clicks as commands of
// `identifier`. With `resource` 0 the parent draws it (WM_DRAWITEM) and it
// reports nothing. The picture's bitmap is released by
// ReleaseBitmapChildWindows.
HWND CreateBitmapChildWindow(int x, int y, int width, int height, int identifier, HWND parent, int resource);
// A push button, the default button when `identifier` is 1 (IDOK).
HWND CreateButtonChildWindow(int x, int y, int width, int height, int identifier, HWND parent, const char *text);
// A static text in the static style `style` (SS_CENTER, SS_SIMPLE, ...).
HWND CreateTextChildWindow(int x, int y, int width, int height, int style, HWND parent, const char *text);
// Deletes the bitmaps of the parent's pictures; for the parent's WM_DESTROY.
void ReleaseBitmapChildWindows(HWND parent);
