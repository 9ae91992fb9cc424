// Details of the windows: the dialogs' texts fitting their boxes, the About
// window's maker.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/about_win.h"
#include "tests/support/reports.h"

static INT_PTR CALLBACK DialogShowsOnly(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// Every text of each dialog, wrapped in the dialog's font, within its box
// (the dimensions hint as the dialogs load it), and 16000 within each
// number field.
TEST(WindowDetails, EveryDialogTextFitsItsBox)
{
    char hint[256];
    LoadStringA(GetModuleHandleA(nullptr), 501, hint, sizeof hint);
    for (int resource : {100, 200}) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), nullptr,
                                         DialogShowsOnly, 0);
        ASSERT_TRUE(dialog) << resource;
        SetDlgItemTextA(dialog, 103, hint);
        HDC context = GetDC(dialog);
        HGDIOBJ old = SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
        for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
            char className[16], text[256];
            GetClassNameA(item, className, sizeof className);
            RECT box, needed;
            if (!lstrcmpiA(className, "Edit") && !(GetWindowLongA(item, GWL_STYLE) & ES_AUTOHSCROLL)) {
                SendMessageA(item, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&box));
                SIZE size;
                GetTextExtentPoint32A(context, "16000", 5, &size);
                EXPECT_LE(size.cx, box.right - box.left) << resource << ": field " << GetDlgCtrlID(item);
            } else if (!lstrcmpiA(className, "Static") && GetWindowTextA(item, text, sizeof text)) {
                GetClientRect(item, &box);
                needed = box;
                DrawTextA(context, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
                EXPECT_LE(needed.bottom, box.bottom) << resource << ": " << text;
            }
        }
        SelectObject(context, old);
        ReleaseDC(dialog, context);
        DestroyWindow(dialog);
    }
}

// The shell's command for web pages is pointed at a program that is not
// there, so that each opening of the maker's page shows its message instead.
TEST(WindowDetails, ADoubleClickOnTheMakerOpensItsPageOnce)
{
    const char command[] = "http\\shell\\open\\command";
    char saved[512];
    LONG size = sizeof saved;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueA(HKEY_CLASSES_ROOT, command, saved, &size));
    const char nowhere[] = "\"C:\\nowhere\\browser.exe\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, command, REG_SZ, nowhere, sizeof nowhere);
    ShowAboutDialog();
    ReportCatcher reports;
    SendMessageA(aboutWindow, WM_COMMAND, MAKEWPARAM(3, STN_CLICKED), 0);
    SendMessageA(aboutWindow, WM_COMMAND, MAKEWPARAM(3, STN_DBLCLK), 0);
    RegSetValueA(HKEY_CLASSES_ROOT, command, REG_SZ, saved, size);
    DestroyWindow(aboutWindow);
    EXPECT_EQ(1, reports.messages);
}
