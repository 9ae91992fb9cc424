// A helper for the end-to-end tests, run under the same Wine server as the
// program: it reports what X cannot tell (where a window's client area lies,
// what the clipboard holds) and prepares the registry before a start.
//   probe client TITLE    prints "x y width height" of the client area on screen
//   probe clipboard       prints the clipboard's text
//   probe put HEX         puts the bytes written in hexadecimal on the clipboard as text
//   probe associate EXE   registers .glw files as the program would, for EXE
//   probe font            prints the cell width and height of the default display font
//   probe text TITLE      prints the texts of the window's controls, one a line (a message box's message)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/association_win.h"

static int ProbeClient(const char *title)
{
    HWND window = FindWindowA(nullptr, title);
    if (!window)
        return 1;
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
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

static int ProbeText(const char *title)
{
    HWND window = FindWindowA(nullptr, title);
    if (!window)
        return 1;
    EnumChildWindows(window, ProbeControlText, 0);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 3 && !std::strcmp(argv[1], "client"))
        return ProbeClient(argv[2]);
    if (argc == 2 && !std::strcmp(argv[1], "font"))
        return ProbeFont();
    if (argc == 2 && !std::strcmp(argv[1], "clipboard"))
        return ProbeClipboard();
    if (argc == 3 && !std::strcmp(argv[1], "put"))
        return ProbePut(argv[2]);
    if (argc == 3 && !std::strcmp(argv[1], "text"))
        return ProbeText(argv[2]);
    if (argc == 3 && !std::strcmp(argv[1], "associate"))
        return AssociateDocuments(argv[2]) ? 0 : 1;
    std::fprintf(stderr, "usage: probe client TITLE | font | clipboard | put HEX | text TITLE | associate EXE\n");
    return 2;
}
