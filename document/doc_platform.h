// The few platform calls the document state needs, so that its logic builds
// and is tested without windows.h.
#pragma once

#include "document/document.h"

// Marks `rect` of the window for repainting, without erasing the background.
void DocWindowInvalidate(WindowHandle window, const PixelRect &rect);
// Repaints the window's marked area now.
void DocWindowUpdate(WindowHandle window);
// An in-memory copy of a recorded picture, or an error.
ErrorCode DocMetafileCopy(void *metafile, void *&copy);
void DocMetafileDelete(void *metafile);
