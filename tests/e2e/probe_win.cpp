// A helper for the end-to-end tests, run under the same Wine server as the
// program: it reports what X cannot tell (where a window's client area lies,
// what the clipboard holds) and prepares the registry before a start.
//   probe client TITLE    prints "x y width height" of the client area on screen
//   probe clipboard       prints the clipboard's text
//   probe associate EXE   registers .glw files as the program would, for EXE
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

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

static bool ProbeSetDefault(const char *key, const std::string &value)
{
    return RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), value.size()) == ERROR_SUCCESS;
}

static int ProbeAssociate(const char *exe)
{
    std::string path = exe;
    bool ok = ProbeSetDefault(".glw", "GLWfile") && ProbeSetDefault("GLWfile", "Glyphwright File") &&
              ProbeSetDefault("GLWfile\\DefaultIcon", path + ", 1") &&
              ProbeSetDefault("GLWfile\\Shell\\open\\command", "\"" + path + "\" %1");
    return ok ? 0 : 1;
}

int main(int argc, char **argv)
{
    if (argc == 3 && !std::strcmp(argv[1], "client"))
        return ProbeClient(argv[2]);
    if (argc == 2 && !std::strcmp(argv[1], "clipboard"))
        return ProbeClipboard();
    if (argc == 3 && !std::strcmp(argv[1], "associate"))
        return ProbeAssociate(argv[2]);
    std::fprintf(stderr, "usage: probe client TITLE | clipboard | associate EXE\n");
    return 2;
}
