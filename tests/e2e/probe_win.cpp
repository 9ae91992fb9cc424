// A helper for the end-to-end tests, run under the same Wine server as the
// program: it reports what X cannot tell and hands the program input that
// does not depend on the X keyboard map.
//   probe client TITLE         prints "x y width height" of the client area on screen
//   probe focus [TITLE]        brings the window forward if Wine has not; prints the title of the one with the keyboard
//   probe char TITLE CODE      posts the character CODE (as the code page has it) to the window; prints "ok"
//   probe filename TITLE PATH  puts PATH into the file dialog's name field and presses OK; prints "ok"
//   probe clipboard            prints the clipboard's text
//   probe put HEX              puts the bytes written in hexadecimal on the clipboard as text
//   probe text TITLE           prints the texts of the window's controls, one a line (a message box's message)
//   probe font                 prints the cell width and height of the default display font
//   probe associate EXE        registers .glw files as the program would, for EXE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/association_win.h"

static int ProbeClient(HWND window)
{
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    return 0;
}

// Wine may keep another window in the foreground after X has activated this
// one (a window re-enabled after its message box, for one), and X then sends
// no further activation: the window is asked to take the foreground itself.
static int ProbeFocus(HWND window)
{
    if (window && GetForegroundWindow() != window)
        SetForegroundWindow(window);
    char title[256] = "";
    GetWindowTextA(GetForegroundWindow(), title, sizeof title);
    std::printf("%s\n", title);
    return 0;
}

static int ProbeChar(HWND window, int code)
{
    if (!PostMessageA(window, WM_CHAR, code, 1))
        return 1;
    std::printf("ok\n");
    return 0;
}

// The file name field is a combo box in the newer dialogs, an edit in the older.
static int ProbeFileName(HWND dialog, const char *path)
{
    HWND field = GetDlgItem(dialog, 1148);
    if (!field)
        field = GetDlgItem(dialog, 1152);
    if (!field || !SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path)))
        return 1;
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    std::printf("ok\n");
    return 0;
}

// Measured as the program measures its display font, "Courier New" at 9 points.
static int ProbeFont()
{
    HDC context = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-MulDiv(9, GetDeviceCaps(context, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, "Courier New");
    HGDIOBJ old = SelectObject(context, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(context, &metrics);
    std::printf("%ld %ld\n", metrics.tmAveCharWidth, metrics.tmHeight);
    SelectObject(context, old);
    DeleteObject(font);
    DeleteDC(context);
    return 0;
}

static int ProbeClipboard()
{
    if (!OpenClipboard(nullptr))
        return 1;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char *text = data ? static_cast<const char *>(GlobalLock(data)) : nullptr;
    if (text) {
        std::fwrite(text, 1, std::strlen(text), stdout);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text ? 0 : 1;
}

// The clipboard keeps its own copy of the text once this program has ended.
static int ProbePut(const char *hex)
{
    std::size_t size = std::strlen(hex) / 2;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size + 1);
    if (!block)
        return 1;
    auto *text = static_cast<char *>(GlobalLock(block));
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>(std::strtoul(std::string(hex + 2 * i, 2).c_str(), nullptr, 16));
    text[size] = 0;
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return 1;
    }
    EmptyClipboard();
    bool put = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!put)
        GlobalFree(block);
    return put ? 0 : 1;
}

static BOOL CALLBACK ProbeControlText(HWND control, LPARAM)
{
    char text[1024];
    if (GetWindowTextA(control, text, sizeof text))
        std::printf("%s\n", text);
    return TRUE;
}

int main(int argc, char **argv)
{
    const char *command = argc > 1 ? argv[1] : "";
    HWND window = argc > 2 ? FindWindowA(nullptr, argv[2]) : nullptr;
    if (argc == 2 && !std::strcmp(command, "focus"))
        return ProbeFocus(nullptr);
    if (argc == 2 && !std::strcmp(command, "font"))
        return ProbeFont();
    if (argc == 2 && !std::strcmp(command, "clipboard"))
        return ProbeClipboard();
    if (argc == 3 && !std::strcmp(command, "put"))
        return ProbePut(argv[2]);
    if (argc == 3 && !std::strcmp(command, "associate"))
        return AssociateDocuments(argv[2]) ? 0 : 1;
    if (argc > 2 && !window)
        return 1;
    if (argc == 3 && !std::strcmp(command, "focus"))
        return ProbeFocus(window);
    if (argc == 3 && !std::strcmp(command, "client"))
        return ProbeClient(window);
    if (argc == 3 && !std::strcmp(command, "text")) {
        EnumChildWindows(window, ProbeControlText, 0);
        return 0;
    }
    if (argc == 4 && !std::strcmp(command, "char"))
        return ProbeChar(window, std::atoi(argv[3]));
    if (argc == 4 && !std::strcmp(command, "filename"))
        return ProbeFileName(window, argv[3]);
    std::fprintf(stderr, "usage: probe client|text|char|filename TITLE ... | focus [TITLE] | font | clipboard | put HEX | associate EXE\n");
    return 2;
}
