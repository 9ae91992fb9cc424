// Registry values named by a path: each key name followed by a NUL, an empty
// name, then the value name and a NUL ("" for the key's default value).
#pragma once

#include <windows.h>

// Opens the keys for reading and queries the value into `buffer`; returns the
// system's result (234 when the value is larger than `size`), unreported.
LONG ReadRegistryEntry(HKEY root, const char *path, void *buffer, DWORD size);
// Creates or opens the keys and sets the value; a failure is reported here.
LONG WriteRegistryEntry(HKEY root, const char *path, DWORD type, const void *buffer, DWORD size);
