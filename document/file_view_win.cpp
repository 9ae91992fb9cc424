#include "document/file_view_win.h"

static ErrorCode FileViewMap(FileView &view)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(view.file, &size))
        return TestZeroError(nullptr);
    if (size.QuadPart > MAXDWORD) { // more than the program reads
        TestError(ERROR_FILE_TOO_LARGE);
        return ERROR_FILE_TOO_LARGE;
    }
    view.size = static_cast<std::size_t>(size.QuadPart);
    static const unsigned char none[1] = {};
    view.text = none;
    if (!view.size)
        return 0;
    view.mapping = CreateFileMappingA(view.file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (ErrorCode error = TestZeroError(view.mapping))
        return error;
    view.text = static_cast<const unsigned char *>(MapViewOfFile(view.mapping, FILE_MAP_READ, 0, 0, 0));
    return TestZeroError(view.text);
}

ErrorCode FileViewOpen(FileView &view, const char *path)
{
    view = {};
    view.file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (view.file == INVALID_HANDLE_VALUE)
        return TestZeroError(nullptr);
    ErrorCode error = FileViewMap(view);
    if (error)
        FileViewClose(view);
    return error;
}

void FileViewClose(FileView &view)
{
    if (view.mapping && view.text)
        UnmapViewOfFile(view.text);
    if (view.mapping)
        CloseHandle(view.mapping);
    CloseHandle(view.file);
    view = {};
}
