#include "base/error.h"

#include <windows.h>

void TestError(ErrorCode error)
{
    if (!error)
        return;
    if (ReportHook hook = ReportHookCurrent()) {
        hook(error, 0);
        return;
    }
    char text[256];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    if (!length) // a code the message table does not know
        wsprintfA(text, "Error %lu", static_cast<unsigned long>(error));
    MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONSTOP);
}

ErrorCode TestZeroError(const void *pointer)
{
    if (pointer)
        return 0;
    ErrorCode error = GetLastError();
    if (!error)
        error = errorUnknown; // callers must still stop
    TestError(error);
    return error;
}
