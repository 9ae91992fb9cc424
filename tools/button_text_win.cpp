#include "tools/button_text_win.h"

ErrorCode ButtonWriteCentred(HDC context, const ButtonTextStyle &style, const char *text, int x, int y, int width)
{
    HFONT font = CreateFontA(style.height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, style.italic, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, style.faceName);
    ErrorCode error = TestZeroError(font);
    if (error)
        return error;
    int saved = SaveDC(context);
    SelectObject(context, font);
    SetBkMode(context, TRANSPARENT);
    SetTextColor(context, GetSysColor(COLOR_BTNTEXT));
    SetTextAlign(context, TA_CENTER | TA_TOP);
    int fit = 0;
    SIZE extent;
    GetTextExtentExPointA(context, text, lstrlenA(text), width, &fit, nullptr, &extent);
    TextOutA(context, x, y, text, fit);
    RestoreDC(context, saved);
    DeleteObject(font);
    return 0;
}
