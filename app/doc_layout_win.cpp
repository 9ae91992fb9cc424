// The window's bands, the ruler drags and the placing under the mouse.
#include <algorithm>

#include "app/doc_draw_win.h"
#include "app/doc_window_win.h"
#include "base/error.h"
#include "document/document_win.h"
#include "tools/scroll_win.h"
#include "tools/tool_bar_win.h"

static bool InRect(const PixelRect &rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

Placing DocumentPlacing(Document *document, POINT localPoint)
{
    if (InRect(document->textRect, localPoint)) {
        auto placingProc = tools[document->now.tool].placingProc;
        return placingProc ? placingProc(document, localPoint) : 0;
    }
    if (InRect(document->rulerRectLeft, localPoint))
        return PlacingMake(cursorSizeNS, 303, 304);
    if (InRect(document->rulerRectTop, localPoint))
        return PlacingMake(cursorSizeWE, 301, 302);
    return 0; // the corner square
}

// One ruler's numbering step, dragged one step per cell of mouse movement.
struct RulerDrag {
    std::int16_t Document::*units;
    int cellSize;
    int limit;
    void (*draw)(Document *document, HDC context, const RECT &drawRect);
    PixelRect Document::*rect;
    bool vertical;
};

static void DocRulerDrag(Document *document, POINT press, const RulerDrag &drag)
{
    HDC context = GetDC(document->window);
    if (TestZeroError(context))
        return;
    int oldValue = document->*drag.units;
    while (ToolMouseDown()) {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(document->window, &point);
        int moved = drag.vertical ? point.y - press.y : point.x - press.x;
        int newValue = std::clamp(oldValue + moved / drag.cellSize, 2, std::max(2, drag.limit));
        if (newValue != document->*drag.units) {
            document->*drag.units = static_cast<std::int16_t>(newValue);
            drag.draw(document, context, AsRect(document->*drag.rect));
        }
        Sleep(10);
    }
    ReleaseDC(document->window, context);
}

int DocumentMouse(Document *document, POINT localPoint)
{
    if (InRect(document->rulerRectTop, localPoint)) {
        RulerDrag drag = {&Document::colUnits, fontWidth, document->now.back.width, DocTopRulerDraw,
                          &Document::rulerRectTop, false};
        DocRulerDrag(document, localPoint, drag);
        return 1;
    }
    if (InRect(document->rulerRectLeft, localPoint)) {
        RulerDrag drag = {&Document::rowUnits, fontHeight, scrollRowLimit, DocLeftRulerDraw, &Document::rulerRectLeft,
                          true};
        DocRulerDrag(document, localPoint, drag);
        return 1;
    }
    return 0;
}

// Marks where the Send Email button is drawn, at the right end of the tool bar.
static void DocInvalSendButton(Document *document)
{
    RECT rect = {document->buttonStart - 1, 2, document->buttonStart + 33, 36};
    InvalidateRect(document->window, &rect, FALSE);
}

void DocumentSized(Document *document)
{
    RECT client;
    GetClientRect(document->window, &client);
    int width = client.right, height = client.bottom;
    document->textRect = {rulerSize, pageTop, width, height};
    document->rulerRectLeft = {0, pageTop, rulerSize, height};
    document->rulerRectTop = {rulerSize, toolBarHeight, width, pageTop};
    int columns = std::max(0, (width - rulerSize) / fontWidth);
    document->textColumns = static_cast<std::int16_t>(std::min(columns, static_cast<int>(document->now.back.width)));
    document->textRows = static_cast<std::int16_t>(std::max(0, (height - pageTop) / fontHeight));
    DocInvalSendButton(document);
    document->buttonStart = static_cast<std::int16_t>(width - 36);
    DocInvalSendButton(document);
    DocumentSetMaxs(document);
}

void DocStandardWindowRect(Document *document, RECT &windowRect)
{
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    windowRect.left = work.left;
    int right = work.left + rulerSize + document->now.back.width * fontWidth + 2 * GetSystemMetrics(SM_CXFRAME) +
                GetSystemMetrics(SM_CXVSCROLL);
    windowRect.right = std::min(std::max(right, static_cast<int>(work.left) + minimumWindowWidth),
                                static_cast<int>(work.right));
    windowRect.top = work.top;
    windowRect.bottom = work.bottom;
}
