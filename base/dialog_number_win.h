// Number fields of the program's dialogs.
#pragma once

#include <windows.h>

// Reads field `item` as a signed number into `theNumber`. Returns 0 when it is
// within minimum..maximum; otherwise stores and shows the nearest limit
// (minimum for unreadable text) and returns 1.
int GetDlgItemIntLimited(HWND dialog, int item, int &theNumber, int minimum, int maximum);
