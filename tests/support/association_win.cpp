#include "tests/support/association_win.h"

#include <windows.h>

#include <string>

// A default value among the current user's file types.
static bool SetDefault(const char *key, const std::string &value)
{
    std::string path = std::string("Software\\Classes\\") + key;
    return RegSetValueA(HKEY_CURRENT_USER, path.c_str(), REG_SZ, value.c_str(), value.size()) == ERROR_SUCCESS;
}

bool AssociateDocuments(const char *program)
{
    std::string path = program;
    return SetDefault(".glw", "GLWfile") && SetDefault("GLWfile", "Glyphwright File") &&
           SetDefault("GLWfile\\DefaultIcon", path + ", 1") &&
           SetDefault("GLWfile\\Shell\\open\\command", "\"" + path + "\" %1");
}
