#include "base/center_window_win.h"

void CenterWindow(HWND doWindow, HWND inWindow)
{
    RECT reference, window;
    if (inWindow)
        GetWindowRect(inWindow, &reference);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &reference, 0);
    GetWindowRect(doWindow, &window);
    POINT place = {((reference.right - reference.left) - (window.right - window.left)) / 2,
                   ((reference.bottom - reference.top) - (window.bottom - window.top)) / 2};
    // Over a window the offset counts from its client origin, so that a
    // dialog sits a little below the middle of its owner's frame.
    if (inWindow)
        ClientToScreen(inWindow, &place);
    SetWindowPos(doWindow, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
