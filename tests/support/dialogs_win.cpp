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
