#include "document/safe_file_win.h"

#include <cstring>

SafeFileCalls safeFileCalls = {GetTempFileNameA, CreateFileA, WriteFile, FlushFileBuffers, CloseHandle, MoveFileExA};

// The folder part of `file`, separator included, or "." for a bare name, so
// that the temporary file lies on the same volume; false when it is too long.
static bool SafeFileFolder(char (&folder)[MAX_PATH], const char *file)
{
    std::size_t length = 0;
    for (std::size_t at = 0; file[at]; ++at)
        if (file[at] == '\\' || file[at] == '/' || file[at] == ':')
            length = at + 1;
    if (length >= sizeof folder)
        return false;
    if (!length) {
        std::strcpy(folder, ".");
        return true;
    }
    std::memcpy(folder, file, length);
    folder[length] = 0;
    return true;
}

ErrorCode SafeFileOpen(SafeFile &safe, const char *file)
{
    char folder[MAX_PATH];
    if (!SafeFileFolder(folder, file)) {
        TestError(ERROR_FILENAME_EXCED_RANGE);
        return ERROR_FILENAME_EXCED_RANGE;
    }
    if (!safeFileCalls.tempName(folder, "glw", 0, safe.temp))
        return TestZeroError(nullptr);
    safe.handle =
        safeFileCalls.create(safe.temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (safe.handle != INVALID_HANDLE_VALUE)
        return 0;
    ErrorCode error = TestZeroError(nullptr);
    DeleteFileA(safe.temp);
    return error;
}

ErrorCode SafeFileWrite(SafeFile &safe, const void *data, std::size_t size)
{
    DWORD written;
    if (!safeFileCalls.write(safe.handle, data, static_cast<DWORD>(size), &written, nullptr))
        return TestZeroError(nullptr);
    if (written != size) {
        SetLastError(ERROR_HANDLE_DISK_FULL); // a short write sets no code of its own
        return TestZeroError(nullptr);
    }
    if (!safeFileCalls.flush(safe.handle))
        return TestZeroError(nullptr);
    return 0;
}

ErrorCode SafeFileClose(SafeFile &safe, const char *file, ErrorCode error)
{
    if (!safeFileCalls.close(safe.handle) && !error)
        error = TestZeroError(nullptr);
    if (!error && !safeFileCalls.moveOver(safe.temp, file, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = TestZeroError(nullptr);
    if (error)
        DeleteFileA(safe.temp); // the failure that matters has been reported
    return error;
}
