#include "app/doc_draw_win.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/doc_window_win.h"
#include "base/clip_rect_win.h"
#include "base/preferences.h"
#include "document/document_win.h"
#include "page/fonts_win.h"
#include "tools/tool_bar_win.h"

static const COLORREF beyondPageColor = RGB(127, 127, 127);
static const int rowBufferSize = 512;

// Selects an object for the guard's lifetime.
struct SelectGuard {
    SelectGuard(HDC context, HGDIOBJ object) : context(context), old(SelectObject(context, object)) {}
    ~SelectGuard() { SelectObject(context, old); }
    SelectGuard(const SelectGuard &) = delete;
    SelectGuard &operator=(const SelectGuard &) = delete;
    HDC context;
    HGDIOBJ old;
};

static void FillColor(HDC context, int left, int top, int right, int bottom, COLORREF color)
{
    RECT rect = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(context, &rect, brush);
    DeleteObject(brush);
}

static void Line(HDC context, int x1, int y1, int x2, int y2)
{
    MoveToEx(context, x1, y1, nullptr);
    LineTo(context, x2, y2);
}

HFONT DocRulerFontCreate()
{
    return CreateFontA(-rulerFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

// The x of the page's right edge, the black line beside the grey area.
static int DocPageEdgeX(const Document *document, int left)
{
    return (document->now.back.width - document->scrollCol) * fontWidth + left;
}

void DocDrawCharacters(Document *document, HDC context, int displayStartCol, int displayRow, int displayEndCol,
                       int bufferDisplayStartCol, int bufferWidth, const unsigned char *bufferPtr)
{
    int first = std::max(bufferDisplayStartCol, displayStartCol);
    int end = std::min(bufferDisplayStartCol + bufferWidth, displayEndCol);
    if (first >= end)
        return;
    int x, y;
    DocCellToPos(*document, first, displayRow, x, y);
    TextOutA(context, x, y, reinterpret_cast<const char *>(bufferPtr + first - bufferDisplayStartCol), end - first);
}

// One row of the page as shown: the back page's cells with the floating page laid over them.
static void DocComposeRow(const Document *document, int row, bool showFront, unsigned char *buffer, int width)
{
    const DocState &now = document->now;
    if (row < now.back.height)
        PageDataBlit(buffer, width, 1, 0, 0, now.back.data, now.back.width, now.back.height, 0, row, opaque);
    else
        std::memset(buffer, ' ', width);
    if (showFront && row >= now.floatRow && row < now.floatRow + now.front.height)
        PageDataBlit(buffer, width, 1, now.floatCol, 0, now.front.data, now.front.width, now.front.height, 0,
                     row - now.floatRow, now.transparency);
}

static void DocDrawRows(Document *document, HDC context, int startCol, int startRow, int endCol, int endRow)
{
    const DocState &now = document->now;
    bool showFront = now.floating && now.transparency != ignoreFront;
    int width = std::min(static_cast<int>(now.back.width), rowBufferSize);
    unsigned char buffer[rowBufferSize];
    for (int row = startRow; row < endRow; ++row) {
        DocComposeRow(document, row, showFront, buffer, width);
        DocDrawCharacters(document, context, startCol, row, endCol, 0, width, buffer);
    }
}

void DocPageDraw(Document *document, HDC context, const RECT &drawRect)
{
    HRGN clip;
    SetClipRect(AsRect(document->textRect), clip, context);
    COLORREF oldBack = SetBkColor(context, preferences.backColor);
    COLORREF oldText = SetTextColor(context, preferences.foreColor);
    int startCol, startRow, endCol, endRow;
    DocPosToCell(*document, drawRect.left, drawRect.top, startCol, startRow, pinFloating);
    DocPosToCell(*document, drawRect.right + fontWidth - 1, drawRect.bottom + fontHeight - 1, endCol, endRow,
                 pinFloating);
    ++endCol;
    ++endRow;
    int drawnX, drawnY;
    DocCellToPos(*document, endCol, endRow, drawnX, drawnY);
    HFONT font = FontDisplayCreate(context); // a failure paints in the context's own font
    {
        SelectGuard selected(context, font);
        int oldMode = SetBkMode(context, OPAQUE);
        DocDrawRows(document, context, startCol, startRow, endCol, endRow);
        SetBkMode(context, oldMode);
    }
    DeleteObject(font);
    if (drawnY < drawRect.bottom)
        FillColor(context, drawRect.left, drawnY, drawRect.right, drawRect.bottom, preferences.backColor);
    if (drawnX < drawRect.right) {
        FillColor(context, drawnX, drawRect.top, drawRect.right, drawRect.bottom, beyondPageColor);
        int edge = DocPageEdgeX(document, document->textRect.left);
        Line(context, edge, drawRect.top, edge, drawRect.bottom);
    }
    SetBkColor(context, oldBack);
    SetTextColor(context, oldText);
    ResetClip(clip, context);
}

// One tick of a ruler and, every `units` cells, its number.
static void DocRulerTick(HDC context, int index, int units, POINT tick, POINT end, POINT label)
{
    Line(context, tick.x, tick.y, end.x, end.y);
    if (index % units)
        return;
    char number[12];
    int length = std::snprintf(number, sizeof number, "%i", index);
    TextOutA(context, label.x, label.y, number, length);
}

// Writes the ruler's ticks with its small font on a transparent background.
template <class DrawTicks> static void DocRulerTicks(HDC context, DrawTicks drawTicks)
{
    HFONT font = DocRulerFontCreate();
    {
        SelectGuard selected(context, font);
        int oldMode = SetBkMode(context, TRANSPARENT);
        drawTicks();
        SetBkMode(context, oldMode);
    }
    DeleteObject(font);
}

void DocTopRulerDraw(Document *document, HDC context, const RECT &drawRect)
{
    const PixelRect &ruler = document->rulerRectTop;
    if (drawRect.top >= ruler.bottom)
        return;
    HRGN clip;
    SetClipRect(AsRect(ruler), clip, context);
    int edge = DocPageEdgeX(document, ruler.left);
    FillColor(context, ruler.left, ruler.top, edge, ruler.bottom, preferences.rulerColor);
    Line(context, ruler.left, ruler.bottom - 1, edge + 1, ruler.bottom - 1);
    int startCol, endCol, row;
    DocPosToCell(*document, drawRect.left, drawRect.top, startCol, row, pinPage);
    DocPosToCell(*document, drawRect.right, drawRect.bottom, endCol, row, pinPage);
    int drawnX, y;
    DocCellToPos(*document, endCol + 1, 0, drawnX, y);
    int h = ruler.bottom - ruler.top;
    DocRulerTicks(context, [&] {
        for (int c = startCol - 1; c <= endCol; ++c) {
            int x = fontWidth * (c - document->scrollCol) + ruler.left;
            int top = ruler.top + (c % document->colUnits ? 3 * h / 4 : h / 2);
            DocRulerTick(context, c, document->colUnits, {x, top}, {x, ruler.bottom}, {x + 2, ruler.top});
        }
    });
    if (drawnX < drawRect.right) {
        FillColor(context, drawnX, drawRect.top, drawRect.right, drawRect.bottom, beyondPageColor);
        int pageEdge = DocPageEdgeX(document, document->textRect.left);
        Line(context, pageEdge, drawRect.top, pageEdge, drawRect.bottom);
    }
    ResetClip(clip, context);
}

void DocLeftRulerDraw(Document *document, HDC context, const RECT &drawRect)
{
    const PixelRect &ruler = document->rulerRectLeft;
    if (drawRect.left >= ruler.right)
        return;
    HRGN clip;
    SetClipRect(AsRect(ruler), clip, context);
    FillColor(context, ruler.left, ruler.top, ruler.right, ruler.bottom, preferences.rulerColor);
    Line(context, ruler.right - 1, ruler.top, ruler.right - 1, ruler.bottom);
    int col, startRow, endRow;
    DocPosToCell(*document, drawRect.left, drawRect.top, col, startRow, pinBelowPage);
    DocPosToCell(*document, drawRect.right, drawRect.bottom, col, endRow, pinBelowPage);
    int w = ruler.right - ruler.left;
    DocRulerTicks(context, [&] {
        for (int r = startRow - 1; r <= endRow; ++r) {
            int y = fontHeight * (r - document->scrollRow) + ruler.top;
            int left = ruler.left + (r % document->rowUnits ? 3 * w / 4 : w / 2);
            DocRulerTick(context, r, document->rowUnits, {left, y}, {ruler.right, y}, {ruler.left, y + 2});
        }
    });
    ResetClip(clip, context);
}

void DocumentDraw(Document *document, HDC context, const RECT &drawRect)
{
    ToolBarDraw(document, context, drawRect);
    DocPageDraw(document, context, drawRect);
    if (auto tempProc = tools[document->now.tool].tempProc)
        tempProc(document, 2, const_cast<RECT *>(&drawRect));
    FillColor(context, 0, toolBarHeight, rulerSize, pageTop, preferences.rulerColor);
    DocTopRulerDraw(document, context, drawRect);
    DocLeftRulerDraw(document, context, drawRect);
}
