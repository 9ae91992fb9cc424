// The program's module, from which every resource is loaded.
#pragma once

#include <windows.h>

extern HINSTANCE theInstance;
