// Test support: a real top-level window of a throwaway class.
#pragma once

#include <windows.h>

// Registers `className` (once) with `procedure` and creates a window of it
// at (0, 0), `width` x `height` pixels outside, in `style`.
inline HWND TestWindowCreate(const char *className, WNDPROC procedure, DWORD style, int width, int height)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass); // fails harmlessly when already registered
    return CreateWindowA(className, "test", style, 0, 0, width, height, nullptr, nullptr, windowClass.hInstance,
                         nullptr);
}
