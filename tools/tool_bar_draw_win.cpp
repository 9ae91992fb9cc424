#include "tools/tool_bar_win.h"

#include "base/error.h"
#include "base/module_win.h"

namespace {

const int helpTop = 37; // the help line's band, between the buttons and the two lines
const int helpBottom = 55;
const int helpX = 4;
const int helpY = 40;
const int helpFontHeight = 12;
const int lightLineY = 55;
const int darkLineY = 56;

void FillFace(Document *document, HDC context, int top, int bottom)
{
    RECT client;
    GetClientRect(document->window, &client);
    RECT band = {0, top, client.right, bottom};
    FillRect(context, &band, GetSysColorBrush(COLOR_BTNFACE));
}

void FillLine(HDC context, int y, int right, int stockBrush)
{
    RECT line = {0, y, right, y + 1};
    FillRect(context, &line, static_cast<HBRUSH>(GetStockObject(stockBrush)));
}

// Two lit lines along the top and left, two shaded ones along the bottom and
// right; pressing swaps the colours so the face looks sunk.
void ToolDrawBevel(HDC context, int left, int right, bool pressed)
{
    const int top = buttonTop;
    const int bottom = buttonBottom;
    const RECT lit[] = {
        {left, top, left + 1, bottom - 1},
        {left + 1, top, left + 2, bottom - 2},
        {left, top, right - 1, top + 1},
        {left, top + 1, right - 2, top + 2},
    };
    const RECT shaded[] = {
        {right - 1, top + 1, right, bottom},
        {right - 2, top + 2, right - 1, bottom},
        {left + 1, bottom - 1, right, bottom},
        {left + 2, bottom - 2, right, bottom - 1},
    };
    HBRUSH light = GetSysColorBrush(pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    HBRUSH dark = GetSysColorBrush(pressed ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    for (const RECT &line : lit)
        FillRect(context, &line, light);
    for (const RECT &line : shaded)
        FillRect(context, &line, dark);
}

// Writes `prefix` and string `id` at the current position in the help font.
ErrorCode PlacingWrite(HDC context, unsigned id, const char *prefix, int weight)
{
    HFONT font = CreateFontA(helpFontHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             "MS Sans Serif");
    ErrorCode error = TestZeroError(font);
    if (error)
        return error;
    char text[4 + 256];
    lstrcpynA(text, prefix, 4);
    int length = lstrlenA(text);
    length += LoadStringA(theInstance, id, text + length, 256);
    HGDIOBJ old = SelectObject(context, font);
    TextOutA(context, 0, 0, text, length);
    SelectObject(context, old);
    DeleteObject(font);
    return 0;
}

} // namespace

void ToolDrawButton(HDC context, int iconID, int left, int right, bool pressed)
{
    RECT face = {left, buttonTop, right, buttonBottom};
    FillRect(context, &face, GetSysColorBrush(COLOR_BTNFACE));
    ToolDrawBevel(context, left, right, pressed);
    if (iconID) {
        HICON icon = LoadIconA(theInstance, MAKEINTRESOURCEA(iconID));
        if (TestZeroError(icon))
            return;
        DrawIcon(context, left, buttonTop, icon);
    }
    RECT frame = {left - 1, buttonTop - 1, right + 1, buttonBottom + 1};
    FrameRect(context, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void ToolBarDraw(Document *document, HDC context, const RECT &drawRect)
{
    if (drawRect.top >= toolBarHeight)
        return;
    FillFace(document, context, 0, toolBarHeight);
    for (int i = 0; i < toolCount; ++i) {
        int left = tools[i].left;
        ToolDrawButton(context, tools[i].iconID, left, left + toolButtonWidth, i == document->now.tool);
    }
    for (ToolButton *button = document->firstButton; button; button = button->next) {
        if (auto draw = buttons[button->buttonClass].drawProc)
            draw(context, button);
    }
    ToolDrawButton(context, sendEmailIcon, document->buttonStart, document->buttonStart + toolButtonWidth, false);
    ToolDrawPlacingTo(document, context);
    FillLine(context, lightLineY, drawRect.right, WHITE_BRUSH);
    FillLine(context, darkLineY, drawRect.right, BLACK_BRUSH);
}

void ToolShowPlacing(Document *document, unsigned titleIndex, unsigned detailIndex)
{
    if (titleIndex == document->titleIndex && detailIndex == document->detailIndex)
        return;
    document->titleIndex = static_cast<std::uint16_t>(titleIndex);
    document->detailIndex = static_cast<std::uint16_t>(detailIndex);
    document->placingShown = 1;
    ToolDrawPlacing(document);
}

void ToolDrawPlacing(Document *document)
{
    HDC context = GetDC(document->window);
    if (TestZeroError(context))
        return;
    ToolDrawPlacingTo(document, context);
    ReleaseDC(document->window, context);
}

void ToolDrawPlacingTo(Document *document, HDC context)
{
    FillFace(document, context, helpTop, helpBottom);
    if (!document->placingShown)
        return;
    int saved = SaveDC(context);
    SetBkMode(context, TRANSPARENT);
    SetTextAlign(context, TA_UPDATECP); // each piece follows the one before
    MoveToEx(context, helpX, helpY, nullptr);
    ErrorCode error = 0;
    if (document->titleIndex)
        error = PlacingWrite(context, document->titleIndex, "", FW_BOLD);
    // A failed font was shown to the user; the rest of the line is left out.
    if (!error && document->detailIndex)
        PlacingWrite(context, document->detailIndex, document->titleIndex ? " - " : "", FW_NORMAL);
    RestoreDC(context, saved);
}
