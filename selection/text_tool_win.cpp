#include "selection/text_tool_win.h"

#include "base/message.h"
#include "base/preferences.h"
#include "selection/selection_win.h"
#include "selection/text_block.h"
#include "tools/button_classes_win.h"
#include "tools/tool_bar_win.h"

namespace {

// What the pointer offers over each area of a text rectangle.
struct TextArea {
    std::int16_t area;
    unsigned cursor;
    unsigned detail;         // help while nothing floats
    unsigned detailFloating; // help while a rectangle floats
};

const TextArea textAreas[] = {
    {areaInside, cursorMove, 205, 205},
    {areaLeft, cursorSizeWE, 208, 208},
    {areaRight, cursorSizeWE, 208, 208},
    {areaPage, cursorIBeam, 206, 207},
    {areaBelowPage, cursorIBeam, 206, 207},
};

// Rebuilds the rectangle through the current tool's recalcProc, with the
// frame off the screen while its size may change.
void TextRewrap(Document *document, int width, int height)
{
    SelectTemp(document, 1, nullptr);
    if (auto recalcProc = tools[document->now.tool].recalcProc)
        recalcProc(document, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
    SelectTemp(document, 0, nullptr);
}

// A new empty rectangle; on failure nothing floats.
ErrorCode TextStart(Document *document, int col, int row, int width, int height, std::uint32_t size)
{
    ErrorCode error = TextFloatNew(document->now, col, row, width, height, size);
    if (!error)
        document->penStyle = penStyleHidden; // its frame is not on the screen yet
    return error;
}

void TextBackspace(Document *document)
{
    DocState &now = document->now;
    if (!now.used || DocBeginAction(*document))
        return;
    TextBlockBackspace(now);
    TextRewrap(document, now.front.width, now.front.height);
}

// Clear and Escape throw the rectangle and its text away.
void TextDiscard(Document *document)
{
    if (DocBeginAction(*document))
        return;
    SelectTemp(document, 1, nullptr);
    DocFrontPageDrop(*document, true, false);
}

// One typed character, one undoable step; whether it was added.
bool TextType(Document *document, char keyChar)
{
    DocState &now = document->now;
    if (now.tool == toolText && !preferences.allowNonASCII && !TextKeyAllowed(keyChar)) {
        MessageShow(messageOnlyASCII, MB_OK | MB_ICONSTOP);
        return false;
    }
    if (now.used >= now.allocated && TextBlockGrow(now, now.allocated + textBlockStep))
        return false;
    if (DocBeginAction(*document))
        return false;
    TextBlockAppend(now, &keyChar, 1);
    TextRewrap(document, now.front.width, now.front.height);
    return true;
}

// Room for `textSize` more bytes: a larger block, or with nothing floating a
// new rectangle as wide as the page at the first visible cell.
ErrorCode TextPasteRoom(Document *document, std::uint32_t textSize)
{
    DocState &now = document->now;
    if (now.floating)
        return TextBlockGrow(now, now.used + textSize + textBlockStep);
    return TextStart(document, document->scrollCol, document->scrollRow, now.back.width, 0,
                     textSize + textBlockStep);
}

} // namespace

void TextKey(Document *document, char keyChar)
{
    if (!document->now.floating) {
        StandardKey(document, keyChar);
        return;
    }
    if (SelectionMoveKey(document, keyChar))
        return;
    if (keyChar == keyBackspace)
        TextBackspace(document);
    else if (keyChar == keyClear || keyChar == keyEscape)
        TextDiscard(document);
    else if (TextType(document, keyChar) && keyChar == keyReturn)
        TextKey(document, '\n'); // its own undoable step
}

void TextMouse(Document *document, POINTS localPoint)
{
    if (SelectionMouse(document, localPoint, possibleWidth | possibleBelow | possibleAction) != mouseMakeNew)
        return;
    RECT rect;
    SelectionMakeNew(document, localPoint, &rect, possibleBelow | possibleOneRow);
    if (rect.right - rect.left <= 1)
        TextMakeRect(document, static_cast<std::int16_t>(rect.left), static_cast<std::int16_t>(rect.top), &rect);
    if (TextStart(document, rect.left, rect.top, rect.right - rect.left, 1, textBlockStep))
        return;
    TextRewrap(document, document->now.front.width, 0);
}

void TextActive(Document *document, int activated)
{
    if (!activated && document->now.floating)
        DocFrontPageDrop(*document, true, true); // a page that cannot grow was reported there
}

// A button that cannot be made is reported and left out; the next is still tried.
void TextButtons(Document *document, int activated)
{
    if (!activated) {
        ToolButtonsKill(document);
        return;
    }
    ToolButtonInit(document, buttonTransparent, nullptr);
    ToolButtonInit(document, buttonJustification, &textJustParams);
}

// A failed wrap keeps the page that floats; the next change wraps again.
void TextRecalc(Document *document, std::int16_t width, std::int16_t)
{
    DocState &now = document->now;
    if (!now.floating)
        return;
    now.transparency = preferences.selectTransparent ? nullTransparent : opaque;
    Page page;
    if (!TextToPage(page, width, 0, static_cast<Justification>(preferences.textJustification),
                    static_cast<const unsigned char *>(now.handle), now.used))
        TextFrontReplace(document, page);
}

void TextFrontReplace(Document *document, const Page &page)
{
    DocInvalFrontRect(*document);
    PageKill(document->now.front);
    document->now.front = page;
    DocInvalFrontRect(*document);
}

Placing TextPlacing(Document *document, POINT localPoint)
{
    unsigned title = document->now.tool == toolText ? 5 : 7; // "Text Tool", "Big Text Tool"
    int area = SelectionArea(document, localPoint, possibleWidth);
    for (const TextArea &place : textAreas) {
        if (place.area == area)
            return PlacingMake(place.cursor, title, document->now.floating ? place.detailFloating : place.detail);
    }
    return PlacingMake(cursorArrow, title, 0);
}

ErrorCode TextCopy(Document *document, Clip &clip)
{
    const DocState &now = document->now;
    ErrorCode error = ClipAddText(clip, now.handle, now.used);
    if (!error)
        error = PageAddToClip(now.front, clip, true);
    return error;
}

// The whole paste is one undoable step, appended at the end of the text. The
// text is locked first, so that a failure to lock it changes nothing.
void TextReceive(Document *document, HANDLE textHandle, std::uint32_t textSize)
{
    DocState &now = document->now;
    if (DocBeginAction(*document))
        return;
    const void *text = GlobalLock(textHandle);
    if (TestZeroError(text))
        return;
    ErrorCode error = TextPasteRoom(document, textSize);
    if (!error) {
        unsigned char *added = TextBlockAppend(now, text, textSize);
        if (!preferences.allowNonASCII)
            TextTranslate(added, textSize);
    }
    GlobalUnlock(textHandle);
    if (!error)
        TextRewrap(document, now.front.width, 0);
}

void TextMakeRect(Document *document, std::int16_t col, std::int16_t row, RECT *rect)
{
    CellRect cells;
    TextClickRect(document->now.back, col, row, static_cast<Justification>(preferences.textJustification), cells);
    *rect = {cells.left, cells.top, cells.right, cells.bottom};
}
