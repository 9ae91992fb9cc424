// The program's module: every resource is loaded from it and every window
// class is registered in it.
#pragma once

#include <windows.h>

extern HINSTANCE theInstance;

// Registers class `name` with `procedure`, the program's icon at 16 x 16, the
// arrow cursor, a white background and the class menu `menu` (null for none).
// A class already registered stays as it is.
void WindowClassRegister(const char *name, WNDPROC procedure, const char *menu);
