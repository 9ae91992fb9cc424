#include "tests/support/dialogs_win.h"

#include <windows.h>

// The visible dialog of this process titled `title` (any, when null), or null.
static HWND DialogOfThisProcess(const char *title)
{
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", title));) {
        DWORD process;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// Waited for from another thread, up to ten seconds.
static HWND DialogShown(const char *title)
{
    HWND dialog = nullptr;
    for (int tries = 0; tries < 1000 && !(dialog = DialogOfThisProcess(title)); ++tries)
        Sleep(10);
    return dialog;
}

// The box's message is its longest static text (the icon is a static too).
static BOOL CALLBACK ReadStatic(HWND child, LPARAM seen)
{
    char className[16], text[1024];
    std::string &best = reinterpret_cast<BoxSeen *>(seen)->text;
    if (GetClassNameA(child, className, sizeof className) && !lstrcmpiA(className, "Static") &&
        GetWindowTextA(child, text, sizeof text) && lstrlenA(text) > static_cast<int>(best.size()))
        best = text;
    return TRUE;
}

std::future<BoxSeen> AnswerNextMessageBox(int button)
{
    return std::async(std::launch::async, [button] {
        BoxSeen seen;
        if (HWND box = DialogShown(nullptr)) {
            char caption[256] = "";
            GetWindowTextA(box, caption, sizeof caption);
            seen.caption = caption;
            EnumChildWindows(box, ReadStatic, reinterpret_cast<LPARAM>(&seen));
            PostMessageA(box, WM_COMMAND, button, 0);
        }
        return seen;
    });
}

static std::string DialogField(HWND dialog, int item)
{
    char text[300] = "";
    GetDlgItemTextA(dialog, item, text, sizeof text);
    return text;
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
