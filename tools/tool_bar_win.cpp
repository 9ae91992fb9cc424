#include "tools/tool_bar_win.h"

#include "document/doc_email_win.h"

namespace {

// Help strings of the tool bar's own areas.
const unsigned titleSendEmail = 22;
const unsigned detailSendEmail = 23;
const unsigned titleActiveHelp = 24;
const unsigned detailActiveHelp = 25;

// The buttons' help reaches one row lower than a press on them does.
const int buttonHelpBottom = buttonBottom + 1;

POINTS AsPoints(POINT point)
{
    return {static_cast<SHORT>(point.x), static_cast<SHORT>(point.y)};
}

Placing OptionPlacing(Document *document, POINT localPoint)
{
    ToolButton *button = ToolButtonAt(document, localPoint.x);
    if (!button || !buttons[button->buttonClass].placingProc)
        return 0;
    return buttons[button->buttonClass].placingProc(document, button, AsPoints(localPoint));
}

void OptionMouse(Document *document, POINT localPoint)
{
    ToolButton *button = ToolButtonAt(document, localPoint.x);
    if (button && buttons[button->buttonClass].mouseProc)
        buttons[button->buttonClass].mouseProc(document, button, AsPoints(localPoint));
}

} // namespace

Placing ToolBarPlacing(Document *document, POINT localPoint)
{
    int tool;
    if (ToolPlace(localPoint, tool))
        return PlacingMake(cursorHand, tools[tool].titleIndex, tools[tool].detailIndex);
    if (localPoint.y < buttonHelpBottom && localPoint.x <= document->buttonStart)
        return OptionPlacing(document, localPoint);
    if (localPoint.y < buttonHelpBottom)
        return PlacingMake(cursorHand, titleSendEmail, detailSendEmail);
    return PlacingMake(cursorArrow, titleActiveHelp, detailActiveHelp);
}

void ToolBarSetCursor(Document *document, POINT localPoint)
{
    ShowPlacing(document, ToolBarPlacing(document, localPoint));
}

void ToolBarMouse(Document *document, POINT localPoint)
{
    int tool;
    if (ToolPlace(localPoint, tool)) {
        const Tool &row = tools[tool];
        if (ToolTraceButton(document, row.iconID, row.iconID, row.left, row.left + toolButtonWidth))
            ToolSelect(document, tool);
    } else if (localPoint.x > document->buttonStart) {
        int left = document->buttonStart;
        if (ToolTraceButton(document, sendEmailIcon, sendEmailIcon, left, left + toolButtonWidth))
            DocumentToClient(document);
    } else if (localPoint.y < buttonBottom) {
        OptionMouse(document, localPoint);
    }
}

int ToolTraceButton(Document *document, int iconID, int otherIcon, int left, int right)
{
    HDC context = GetDC(document->window);
    if (TestZeroError(context))
        return 0;
    int over = 0;
    for (bool down = true; down;) {
        down = ToolMouseDown();
        POINT mouse;
        GetCursorPos(&mouse);
        ScreenToClient(document->window, &mouse);
        int nowOver = left <= mouse.x && mouse.x < right && buttonTop <= mouse.y && mouse.y < buttonBottom;
        if (nowOver != over) {
            over = nowOver;
            ToolDrawButton(context, over ? otherIcon : iconID, left, right, over);
        }
    }
    if (over)
        ToolDrawButton(context, otherIcon, left, right, false);
    ReleaseDC(document->window, context);
    return over;
}

bool ToolMouseDown()
{
    int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return GetAsyncKeyState(button) < 0;
}

void ToolInvalRect(Document *document, int left, int right)
{
    RECT strip = {left - 1, buttonTop - 1, right + 1, buttonBottom + 1};
    InvalidateRect(document->window, &strip, FALSE);
}
