#include "tools/scroll_win.h"

#include "document/document_win.h"
#include "tools/tool_table_win.h"

// Limits a step so that `position` + step stays within low..high.
static int ScrollLimit(int step, int position, int low, int high)
{
    if (position + step < low)
        step = low - position;
    if (position + step > high)
        step = high - position;
    return step;
}

// The vertical thumb: the view's place within the page (or the floating page
// below it), in the bar's fixed range.
static int DocScrollThumb(const Document *document)
{
    const DocState &now = document->now;
    int extent = now.back.height;
    if (now.floating && extent < now.front.height + now.floatRow)
        extent = now.front.height + now.floatRow;
    if (extent > document->textRows) {
        int range = extent - document->textRows;
        return document->scrollRow <= range ? document->scrollRow * scrollRowLimit / range : scrollRowLimit;
    }
    return document->scrollRow ? scrollRowLimit : 0;
}

// Moves the pixels of one band, clipped to it.
static void DocScrollBand(const Document *document, const PixelRect &band, int dx, int dy)
{
    ScrollWindowEx(document->window, dx, dy, &AsRect(band), &AsRect(band), nullptr, nullptr, SW_INVALIDATE);
}

void DocScroll(Document *document, int cols, int rows, int doTemp)
{
    if (cols)
        cols = ScrollLimit(cols, document->scrollCol, 0, document->now.back.width - document->textColumns);
    if (rows)
        rows = ScrollLimit(rows, document->scrollRow, 0, scrollRowLimit);
    if (!cols && !rows)
        return;
    auto tempProc = doTemp ? tools[document->now.tool].tempProc : nullptr;
    if (tempProc)
        tempProc(document, 1, nullptr);
    DocScrollBand(document, document->textRect, -cols * fontWidth, -rows * fontHeight);
    if (cols) {
        document->scrollCol = static_cast<std::int16_t>(document->scrollCol + cols);
        SetScrollPos(document->window, SB_HORZ, document->scrollCol, TRUE);
        DocScrollBand(document, document->rulerRectTop, -cols * fontWidth, 0);
    }
    if (rows) {
        document->scrollRow = static_cast<std::int16_t>(document->scrollRow + rows);
        SetScrollPos(document->window, SB_VERT, DocScrollThumb(document), TRUE);
        DocScrollBand(document, document->rulerRectLeft, 0, -rows * fontHeight);
    }
    UpdateWindow(document->window);
    if (tempProc)
        tempProc(document, 0, nullptr);
}

// The step towards an edge the mouse presses against: -1, 0 or 1, with a
// pause that shortens the deeper the mouse goes (none from 25 pixels on).
static int DocAutoStep(int position, int low, int high, int cellSize, DWORD newTicks, std::uint32_t &ticks)
{
    int direction = 0;
    int depth = low + cellSize - position;
    if (depth >= 1) {
        direction = -1;
    } else {
        depth = position - high + cellSize;
        if (depth > 0)
            direction = 1;
    }
    if (!direction)
        return 0;
    if (depth < 25 && newTicks - ticks < static_cast<DWORD>(250 - 10 * depth))
        return 0;
    ticks = newTicks;
    return direction;
}

void DocAutoScroll(Document *document, POINT localPoint, int doTemp)
{
    DWORD newTicks = GetTickCount();
    const PixelRect &text = document->textRect;
    int cols = DocAutoStep(localPoint.x, text.left, text.right, fontWidth, newTicks, document->scrollColTicks);
    int rows = DocAutoStep(localPoint.y, text.top, text.bottom, fontHeight, newTicks, document->scrollRowTicks);
    DocScroll(document, cols, rows, doTemp);
}

// Setting a bar's range redraws the bar even when the range is the same, and
// under Wine the window's scroll bars are slow to draw: every resize, and
// showing the window, would pay for it.
static void DocScrollRangeSet(HWND window, int bar, int max)
{
    int oldMin, oldMax;
    if (!GetScrollRange(window, bar, &oldMin, &oldMax) || oldMin != 0 || oldMax != max)
        SetScrollRange(window, bar, 0, max, TRUE);
}

void DocumentSetMaxs(Document *document)
{
    int controlMax = document->now.back.width - document->textColumns;
    if (controlMax < 0)
        controlMax = 0;
    DocScrollRangeSet(document->window, SB_HORZ, controlMax);
    if (document->scrollCol > controlMax)
        DocScroll(document, controlMax - document->scrollCol, 0, 1);
    DocScrollRangeSet(document->window, SB_VERT, scrollRowLimit);
}

// How far a scroll-bar message moves the view along one bar.
static int DocScrollBarStep(const Document *document, int bar, WPARAM wParam)
{
    bool horizontal = bar == SB_HORZ;
    int page = horizontal ? document->textColumns : document->textRows;
    int thumb = static_cast<short>(HIWORD(wParam));
    switch (LOWORD(wParam)) {
    case SB_LINEUP: return -1;
    case SB_LINEDOWN: return 1;
    case SB_PAGEUP: return -page;
    case SB_PAGEDOWN: return page;
    case SB_THUMBTRACK:
        if (horizontal)
            return thumb - document->scrollCol;
        return static_cast<std::int16_t>(thumb * (document->now.back.height - document->textRows) / scrollRowLimit -
                                         document->scrollRow);
    default: return 0;
    }
}

void DocScrollBar(Document *document, int bar, WPARAM wParam)
{
    int step = DocScrollBarStep(document, bar, wParam);
    if (bar == SB_HORZ)
        DocScroll(document, step, 0, 1);
    else
        DocScroll(document, 0, step, 1);
}
