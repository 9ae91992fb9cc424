#include "base/instance_win.h"

// Set again by WinMain; tests, which have no WinMain of ours, keep this.
HINSTANCE theInstance = GetModuleHandleA(nullptr);
