// The About window: the program's pictures, its version, two buttons and a
// tip that moves on at every start. It closes itself after ten seconds.
#pragma once

#include <windows.h>

// The About window, or null; there is at most one.
extern HWND aboutWindow;
// Its child that shows the tip.
extern HWND tipWindow;

// Shows the About window, creating it (with the next tip) if there is none.
void ShowAboutDialog();
LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Moves preferences.tipNumber on to the next of the tips and shows it in `window`.
void AboutShowNextTip(HWND window);
// Draws the picture area (the owner-drawn child) in the item's context.
void AboutDrawPicture(const DRAWITEMSTRUCT &item);
