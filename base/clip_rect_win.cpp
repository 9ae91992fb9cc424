#include "base/clip_rect_win.h"

void SetClipRect(const RECT &clipRect, HRGN &clipRgn, HDC context)
{
    clipRgn = CreateRectRgn(0, 0, 0, 0);
    if (clipRgn && GetClipRgn(context, clipRgn) != 1) {
        DeleteObject(clipRgn);
        clipRgn = nullptr;
    }
    IntersectClipRect(context, clipRect.left, clipRect.top, clipRect.right, clipRect.bottom);
}

void ResetClip(HRGN clipRgn, HDC context)
{
    SelectClipRgn(context, clipRgn); // none removes all clipping
    if (clipRgn)
        DeleteObject(clipRgn);
}
