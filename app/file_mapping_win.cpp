#include "app/file_mapping_win.h"

#include <windows.h>

#include <cstring>

#include "base/error.h"
#include "base/message.h"
#include "base/registry_win.h"

// One default value among the current user's file types, which the user may
// change without the administrator's rights; `path` is in the registry
// helpers' form, the literal's own 0 ending the empty value name.
struct MappingEntry {
    const char *path;
    const char *value;
};

const int mappingEntryCount = 4;
const DWORD mappingValueSize = 520;

static bool MappingMatches(const MappingEntry (&entries)[mappingEntryCount])
{
    for (const MappingEntry &entry : entries) {
        // One byte more than the registry may fill, so the text always ends.
        char stored[mappingValueSize + 1] = {};
        if (ReadRegistryEntry(HKEY_CURRENT_USER, entry.path, stored, mappingValueSize) != ERROR_SUCCESS ||
            std::strcmp(stored, entry.value))
            return false; // a value that cannot be read differs too
    }
    return true;
}

// Checked at every start, so that a moved program file is offered again.
void CheckFileMapping()
{
    char program[512];
    if (!GetModuleFileNameA(nullptr, program, sizeof program)) {
        TestZeroError(nullptr);
        return;
    }
    char icon[mappingValueSize], command[mappingValueSize];
    wsprintfA(icon, "%s, 1", program);
    wsprintfA(command, "\"%s\" %%1", program);
    const MappingEntry entries[mappingEntryCount] = {
        {"Software\0Classes\0.glw\0\0", "GLWfile"},
        {"Software\0Classes\0GLWfile\0\0", "Glyphwright File"},
        {"Software\0Classes\0GLWfile\0DefaultIcon\0\0", icon},
        {"Software\0Classes\0GLWfile\0Shell\0open\0command\0\0", command},
    };
    if (MappingMatches(entries) || MessageShow(messageFileMapping, MB_YESNO | MB_ICONQUESTION, "") != IDYES)
        return;
    for (const MappingEntry &entry : entries)
        if (WriteRegistryEntry(HKEY_CURRENT_USER, entry.path, REG_SZ, entry.value, lstrlenA(entry.value) + 1))
            return; // reported by WriteRegistryEntry
}
