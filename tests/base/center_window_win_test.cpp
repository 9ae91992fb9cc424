#include <gtest/gtest.h>

#include "base/center_window_win.h"
#include "tests/support/test_window_win.h"

static LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

static RECT WindowRect(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

TEST(CenterWindow, CentresOverTheClientOriginOrTheWorkArea)
{
    HWND owner = TestWindowCreate("CenterOwner", PlainProc, WS_POPUP, 600, 400);
    HWND framed = TestWindowCreate("CenterOwner", PlainProc, WS_OVERLAPPEDWINDOW, 600, 400);
    HWND dialog = TestWindowCreate("CenterOwner", PlainProc, WS_POPUP, 200, 100);
    SetWindowPos(owner, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    CenterWindow(dialog, owner);
    RECT placed = WindowRect(dialog);
    EXPECT_EQ(30 + 200, placed.left);
    EXPECT_EQ(40 + 150, placed.top);
    EXPECT_EQ(200, placed.right - placed.left) << "the size stays";

    // A framed owner's client area starts inside its frame and caption.
    POINT origin = {0, 0};
    ClientToScreen(framed, &origin);
    CenterWindow(dialog, framed);
    placed = WindowRect(dialog);
    EXPECT_EQ(origin.x + 200, placed.left);
    EXPECT_EQ(origin.y + 150, placed.top);

    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CenterWindow(dialog, nullptr);
    placed = WindowRect(dialog);
    EXPECT_EQ((work.right - work.left - 200) / 2, placed.left);
    EXPECT_EQ((work.bottom - work.top - 100) / 2, placed.top);
    for (HWND window : {owner, framed, dialog})
        DestroyWindow(window);
}
