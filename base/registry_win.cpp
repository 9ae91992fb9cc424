#include "base/registry_win.h"

#include <cstring>

#include "base/error.h"

// Opens (or, with `create`, creates) each key of `path` below `root`. On
// success `key` is the last one, to be closed by the caller, and `path` is
// moved to the value name.
static LONG RegistryOpenPath(HKEY root, const char *&path, bool create, HKEY &key)
{
    key = root;
    for (; *path; path += std::strlen(path) + 1) {
        HKEY next;
        LONG result = create ? RegCreateKeyExA(key, path, 0, const_cast<char *>(""), REG_OPTION_NON_VOLATILE,
                                               KEY_WRITE, nullptr, &next, nullptr)
                             : RegOpenKeyExA(key, path, 0, KEY_READ, &next);
        if (key != root)
            RegCloseKey(key);
        if (result != ERROR_SUCCESS)
            return result;
        key = next;
    }
    ++path; // past the empty name
    return ERROR_SUCCESS;
}

static void RegistryClose(HKEY root, HKEY key)
{
    if (key != root)
        RegCloseKey(key);
}

LONG ReadRegistryEntry(HKEY root, const char *path, void *buffer, DWORD size)
{
    HKEY key;
    LONG result = RegistryOpenPath(root, path, false, key);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegQueryValueExA(key, path, nullptr, nullptr, static_cast<BYTE *>(buffer), &size);
    RegistryClose(root, key);
    return result;
}

LONG WriteRegistryEntry(HKEY root, const char *path, DWORD type, const void *buffer, DWORD size)
{
    HKEY key;
    LONG result = RegistryOpenPath(root, path, true, key);
    if (result == ERROR_SUCCESS) {
        result = RegSetValueExA(key, path, 0, type, static_cast<const BYTE *>(buffer), size);
        RegistryClose(root, key);
    }
    TestError(result);
    return result;
}
