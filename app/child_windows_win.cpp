#include "app/child_windows_win.h"

#include "base/module_win.h"

// Every child speaks in the system's ANSI variable-pitch font.
static HWND ChildWindowCreate(const char *className, const char *text, DWORD style, int x, int y, int width,
                              int height, int identifier, HWND parent)
{
    HWND child = CreateWindowA(className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)), theInstance, nullptr);
    if (child)
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), FALSE);
    return child;
}

HWND CreateBitmapChildWindow(int x, int y, int width, int height, int identifier, HWND parent, int resource)
{
    if (!resource)
        return ChildWindowCreate("STATIC", nullptr, SS_OWNERDRAW, x, y, width, height, identifier, parent);
    HWND child = ChildWindowCreate("STATIC", nullptr, SS_BITMAP | SS_NOTIFY, x, y, width, height, identifier, parent);
    if (!child)
        return nullptr;
    // Loading at the wanted size stretches; setting the image then sizes the
    // control to it.
    HANDLE picture = LoadImageA(theInstance, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, width, height, 0);
    SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    return child;
}

HWND CreateButtonChildWindow(int x, int y, int width, int height, int identifier, HWND parent, const char *text)
{
    DWORD style = WS_TABSTOP | (identifier == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    return ChildWindowCreate("BUTTON", text, style, x, y, width, height, identifier, parent);
}

HWND CreateTextChildWindow(int x, int y, int width, int height, int style, HWND parent, const char *text)
{
    return ChildWindowCreate("STATIC", text, style, x, y, width, height, -1, parent);
}

// A static does not delete the image it was given. Texts and buttons answer
// the request with none.
static BOOL CALLBACK ChildWindowReleaseBitmap(HWND child, LPARAM)
{
    if (HGDIOBJ picture = reinterpret_cast<HGDIOBJ>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0)))
        DeleteObject(picture);
    return TRUE;
}

void ReleaseBitmapChildWindows(HWND parent)
{
    EnumChildWindows(parent, ChildWindowReleaseBitmap, 0);
}
