#include "document/doc_platform.h"

#include "document/document_win.h"

void DocWindowInvalidate(WindowHandle window, const PixelRect &rect)
{
    InvalidateRect(window, &AsRect(rect), FALSE);
}

void DocWindowUpdate(WindowHandle window)
{
    UpdateWindow(window);
}

ErrorCode DocMetafileCopy(void *metafile, void *&copy)
{
    HENHMETAFILE made = CopyEnhMetaFileA(static_cast<HENHMETAFILE>(metafile), nullptr);
    ErrorCode error = TestZeroError(made);
    if (!error)
        copy = made;
    return error;
}

void DocMetafileDelete(void *metafile)
{
    DeleteEnhMetaFile(static_cast<HENHMETAFILE>(metafile));
}
