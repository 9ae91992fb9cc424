// The native build has no window and nothing there can make a recorded
// picture, so no state ever holds one.
#include "document/doc_platform.h"

void DocWindowInvalidate(WindowHandle, const PixelRect &)
{
}

void DocWindowUpdate(WindowHandle)
{
}

// Unreachable in practice; fails rather than let two states share a handle.
ErrorCode DocMetafileCopy(void *, void *&)
{
    TestError(errorUnknown);
    return errorUnknown;
}

void DocMetafileDelete(void *)
{
}
