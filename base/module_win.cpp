#include "base/module_win.h"

// Set again by WinMain; tests, which have no WinMain of ours, keep this.
HINSTANCE theInstance = GetModuleHandleA(nullptr);

// A class is registered once: a second registration would load, and lose,
// another icon.
void WindowClassRegister(const char *name, WNDPROC procedure, const char *menu)
{
    WNDCLASSA windowClass = {};
    if (GetClassInfoA(theInstance, name, &windowClass))
        return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = theInstance;
    windowClass.hIcon = static_cast<HICON>(LoadImageA(theInstance, MAKEINTRESOURCEA(64), IMAGE_ICON, 16, 16, 0));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = menu;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}
