// Narrowing a drawing context's clipping for a while.
#pragma once

#include <windows.h>

// Narrows clipping to `clipRect`, keeping the old clip region (or none) in `clipRgn`.
void SetClipRect(const RECT &clipRect, HRGN &clipRgn, HDC context);
// Restores the clip region SetClipRect kept.
void ResetClip(HRGN clipRgn, HDC context);
