// Placing the program's dialogs and pop-ups.
#pragma once

#include <windows.h>

// Centres `doWindow` over `inWindow`, or over the work area when `inWindow`
// is null, keeping its size and its place in the stacking order.
void CenterWindow(HWND doWindow, HWND inWindow);
