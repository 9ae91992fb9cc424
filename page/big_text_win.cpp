#include "page/big_text_win.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "page/offscreen_win.h"

namespace {

// The bitmap each line is drawn into, with the font selected.
struct BigTextCanvas {
    Offscreen offscreen;
    std::int32_t width, height;
};

BitRows BigTextDrawLine(void *data, const unsigned char *line, std::size_t length)
{
    auto &canvas = *static_cast<BigTextCanvas *>(data);
    TextOutA(canvas.offscreen.context, 0, 0, reinterpret_cast<const char *>(line),
             static_cast<int>(std::min<std::size_t>(length, INT_MAX)));
    GdiFlush(); // the pixels are read directly
    return {canvas.offscreen.bits, canvas.offscreen.widthBytes, canvas.width, canvas.height};
}

// `size` is the em height, not the cell's.
HFONT BigTextFontCreate(const char *face, int size, bool bold, bool italic)
{
    LOGFONTA description = {};
    description.lfHeight = -size;
    description.lfWeight = bold ? FW_BOLD : FW_DONTCARE;
    description.lfItalic = italic;
    description.lfCharSet = ANSI_CHARSET;
    lstrcpynA(description.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&description);
}

// Each character's advance and the height of a line, ascent and descent.
ErrorCode BigTextMeasure(HFONT font, BigTextGlyphs &measures)
{
    HDC context = CreateCompatibleDC(nullptr);
    ErrorCode error = TestZeroError(context);
    if (error)
        return error;
    HGDIOBJ old = SelectObject(context, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(context, &metrics);
    GetCharWidth32A(context, 0, 255, measures.advance);
    measures.lineHeight = metrics.tmAscent + metrics.tmDescent;
    SelectObject(context, old);
    DeleteDC(context);
    return 0;
}

ErrorCode BigTextDraw(Page &page, int width, Justification justify, HFONT font, const unsigned char *text,
                      std::size_t size, unsigned char character)
{
    BigTextCanvas canvas;
    BigTextGlyphs measures;
    ErrorCode error = BigTextMeasure(font, measures);
    if (!error)
        error = MyCreateOffscreen(canvas.offscreen, width, measures.lineHeight, 1);
    if (error)
        return error;
    canvas.width = width;
    canvas.height = measures.lineHeight;
    measures.drawLine = BigTextDrawLine;
    measures.data = &canvas;
    HDC context = canvas.offscreen.context;
    SelectObject(context, font);
    SetTextColor(context, RGB(0, 0, 0));
    SetBkColor(context, RGB(255, 255, 255));
    SetBkMode(context, OPAQUE);
    error = BigTextLayout(page, width, justify, text, size, character, measures);
    MyDisposeOffscreen(canvas.offscreen); // the context goes first, so the font is free again
    return error;
}

} // namespace

ErrorCode BigTextToPage(Page &page, int width, Justification justify, const char *theFont, int size, bool bold,
                        bool italic, const unsigned char *textPtr, std::size_t textSize, unsigned char character)
{
    HFONT font = BigTextFontCreate(theFont, size, bold, italic);
    ErrorCode error = TestZeroError(font);
    if (error)
        return error;
    error = BigTextDraw(page, width, justify, font, textPtr, textSize, character);
    DeleteObject(font);
    return error;
}
