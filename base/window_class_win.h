// The look the program's own windows share.
#pragma once

#include <windows.h>

// Registers class `name` with `procedure`, the program's icon at 16 x 16, the
// arrow cursor, a white background and the class menu `menu` (null for none).
// A class already registered stays as it is.
void WindowClassRegister(const char *name, WNDPROC procedure, const char *menu);
