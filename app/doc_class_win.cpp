#include "app/doc_class_win.h"

#include "app/doc_window_win.h"
#include "app/instance_win.h"

void InitDocWindows()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DocumentProc;
    windowClass.hInstance = theInstance;
    windowClass.hIcon = static_cast<HICON>(LoadImageA(theInstance, MAKEINTRESOURCEA(64), IMAGE_ICON, 16, 16, 0));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = "MenuBar";
    windowClass.lpszClassName = documentClassName;
    RegisterClassA(&windowClass);
}
