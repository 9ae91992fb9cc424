// Replacing a file without ever leaving a half-written one in its place: the
// new contents go to a temporary file in the same folder, which takes the old
// file's place in one rename only once it is whole and on the disk.
#pragma once

#include <windows.h>

#include <cstddef>

#include "base/error.h"

struct SafeFile {
    HANDLE handle;       // the temporary file, open for writing
    char temp[MAX_PATH]; // its path
};

// The file calls a save makes, taken from this table so that tests can fail
// each one in turn; the program never changes it.
struct SafeFileCalls {
    decltype(&GetTempFileNameA) tempName; // creates the temporary file
    decltype(&CreateFileA) create;
    decltype(&WriteFile) write;
    decltype(&FlushFileBuffers) flush;
    decltype(&CloseHandle) close;
    decltype(&MoveFileExA) moveOver;
};
extern SafeFileCalls safeFileCalls;

// Creates the temporary file beside `file`.
ErrorCode SafeFileOpen(SafeFile &safe, const char *file);
// Writes all of `data` and flushes it to the disk.
ErrorCode SafeFileWrite(SafeFile &safe, const void *data, std::size_t size);
// Closes the temporary file and, unless `error` is set, moves it over `file`;
// otherwise, or if that fails, deletes it. Returns the first error.
ErrorCode SafeFileClose(SafeFile &safe, const char *file, ErrorCode error);
