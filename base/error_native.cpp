// Error reports for the build without Windows: the text goes to stderr.
#include "base/error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

void TestError(ErrorCode error)
{
    if (!error)
        return;
    if (ReportHook hook = ReportHookCurrent()) {
        hook(error, 0);
        return;
    }
    std::fprintf(stderr, "Glyphwright: error %u\n", static_cast<unsigned>(error));
}

ErrorCode TestZeroError(const void *pointer)
{
    if (pointer)
        return 0;
    ErrorCode error = errno == ENOMEM ? errorNoMemory : errorUnknown;
    TestError(error);
    return error;
}
