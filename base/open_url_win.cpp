#include "base/open_url_win.h"

#include <windows.h>

#include "base/error.h"
#include "base/message.h"
#include "base/module_win.h"

// The help file's name; it lies beside the program file.
const char helpFileName[] = "glyphwright.html";
// "Your default web browser could not be launched...", to which the address is added.
const unsigned messageNoBrowser = 608;

// Linking the shell library would load it, and much that it stands on, at
// every start, for a web page that is seldom asked for; it is loaded once,
// when an address is first opened. The result is above 32 on success.
static INT_PTR ShellOpen(const char *url)
{
    typedef HINSTANCE(WINAPI * ShellExecuteProcedure)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    static HMODULE library = LoadLibraryA("shell32.dll");
    auto procedure = library ? reinterpret_cast<ShellExecuteProcedure>(
                                   reinterpret_cast<void *>(GetProcAddress(library, "ShellExecuteA")))
                             : nullptr;
    return procedure ? reinterpret_cast<INT_PTR>(procedure(nullptr, nullptr, url, nullptr, nullptr, SW_SHOWNORMAL))
                     : 0;
}

void OpenURL(const char *url)
{
    if (ShellOpen(url) > 32)
        return;
    char text[1024];
    int length = LoadStringA(theInstance, messageNoBrowser, text, sizeof text);
    lstrcpynA(text + length, url, sizeof text - length);
    MessageShowText(nullptr, text, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

void OpenHelp()
{
    char path[MAX_PATH + sizeof helpFileName];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (!length || length == MAX_PATH) {
        TestZeroError(nullptr);
        return;
    }
    char *name = path + length;
    while (name > path && name[-1] != '\\')
        --name;
    lstrcpyA(name, helpFileName);
    OpenURL(path);
}
