// A whole file seen in memory, read-only. The system brings its pages in as
// they are first read, far more cheaply than copying the file into a block
// of memory that each page of must first be faulted in.
#pragma once

#include <windows.h>

#include <cstddef>

#include "base/error.h"

struct FileView {
    HANDLE file;
    HANDLE mapping;            // null for an empty file, which cannot be mapped
    const unsigned char *text; // `size` bytes
    std::size_t size;
};

// Opens `path` for reading, shared with nobody (so nobody changes it while it
// is seen), and maps all of it. A failure is reported and nothing is kept.
ErrorCode FileViewOpen(FileView &view, const char *path);
void FileViewClose(FileView &view);
