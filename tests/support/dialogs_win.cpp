#include "tests/support/dialogs_win.h"

#include <windows.h>

#include <thread>

static BOOL CALLBACK FindMessageBox(HWND window, LPARAM found)
{
    DWORD process;
    GetWindowThreadProcessId(window, &process);
    char className[16];
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        GetClassNameA(window, className, sizeof className) && !lstrcmpA(className, "#32770")) {
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The box's message is its longest static text (the icon is a static too).
static BOOL CALLBACK ReadStatic(HWND child, LPARAM seen)
{
    char className[16], text[1024];
    if (GetClassNameA(child, className, sizeof className) && !lstrcmpiA(className, "Static") &&
        GetWindowTextA(child, text, sizeof text)) {
        std::string &best = reinterpret_cast<BoxSeen *>(seen)->text;
        if (lstrlenA(text) > static_cast<int>(best.size()))
            best = text;
    }
    return TRUE;
}

std::future<BoxSeen> AnswerNextMessageBox(int button)
{
    return std::async(std::launch::async, [button] {
        BoxSeen seen;
        for (int tries = 0; tries < 1000; ++tries) {
            HWND box = nullptr;
            EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&box));
            if (box) {
                char caption[256] = "";
                GetWindowTextA(box, caption, sizeof caption);
                seen.caption = caption;
                EnumChildWindows(box, ReadStatic, reinterpret_cast<LPARAM>(&seen));
                PostMessageA(box, WM_COMMAND, button, 0);
                break;
            }
            Sleep(10);
        }
        return seen;
    });
}

std::string DialogField(HWND dialog, int item)
{
    char text[300] = "";
    GetDlgItemTextA(dialog, item, text, sizeof text);
    return text;
}

HWND DialogShown(const char *title)
{
    HWND dialog = nullptr;
    for (int tries = 0; tries < 1000 && !(dialog && IsWindowVisible(dialog)); ++tries, Sleep(10))
        dialog = FindWindowA("#32770", title);
    return dialog;
}

std::future<std::string> AnswerNumberDialog(const char *title, int columns, int rows,
                                            std::function<void(HWND)> edit, int button)
{
    return std::async(std::launch::async, [=] {
        HWND dialog = DialogShown(title);
        if (!dialog)
            return std::string("no dialog");
        std::string seen = DialogField(dialog, columns) + " x " + DialogField(dialog, rows) + " -> ";
        edit(dialog);
        SendMessageA(dialog, WM_COMMAND, button, 0); // handled before this returns
        if (!IsWindow(dialog) || !IsWindowVisible(dialog))
            return seen + "closed";
        seen += DialogField(dialog, columns) + " x " + DialogField(dialog, rows);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return seen;
    });
}
