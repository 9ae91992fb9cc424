#include "selection/selection_win.h"

#include "base/clip_rect_win.h"
#include "base/error.h"
#include "document/document_win.h"
#include "tools/tool_table_win.h"

static_assert(penStyleHidden == PS_NULL, "a new document's outline is hidden");

// The outline in `penStyle`, exclusive-or'ed onto the screen: the dots leave
// it alone and the gaps, drawn in the white background colour, invert it, so
// drawing twice removes it. A fresh window context paints gaps opaquely in
// white. The null style draws nothing.
static void SelectionOutline(HDC context, const PixelRect &frame, int penStyle)
{
    HPEN pen = CreatePen(penStyle, 1, RGB(0, 0, 0));
    if (TestZeroError(pen))
        return;
    HGDIOBJ oldPen = SelectObject(context, pen);
    Rectangle(context, frame.left, frame.top, frame.right, frame.bottom);
    SelectObject(context, oldPen);
    DeleteObject(pen);
}

void SelectTemp(Document *document, std::int16_t showMode, RECT *drawRect)
{
    if (!document->now.floating)
        return;
    PixelRect frame = SelectionFrameRect(*document);
    HDC context = GetDC(document->window);
    if (TestZeroError(context))
        return;
    RECT clip = AsRect(document->textRect);
    if (drawRect)
        IntersectRect(&clip, &clip, drawRect);
    HRGN clipRgn;
    SetClipRect(clip, clipRgn, context);
    int oldMode = SetROP2(context, R2_XORPEN);
    HGDIOBJ oldBrush = SelectObject(context, GetStockObject(HOLLOW_BRUSH));

    // Drawing again in the style it was last drawn with takes the frame off.
    SelectionOutline(context, frame, document->penStyle);
    if (showMode == 1)
        document->penStyle = penStyleHidden;
    if (showMode == 0) {
        document->penStyle = PS_DOT;
        SelectionOutline(context, frame, document->penStyle);
    }

    SelectObject(context, oldBrush);
    SetROP2(context, oldMode);
    ResetClip(clipRgn, context);
    ReleaseDC(document->window, context);
}

void SelectIdle(Document *)
{
}

void SelectionToolTemp(Document *document, std::int16_t showMode)
{
    if (auto tempProc = tools[document->now.tool].tempProc)
        tempProc(document, showMode, nullptr);
}
