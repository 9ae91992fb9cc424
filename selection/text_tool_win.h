// The text tool (tool 1): a one-row rectangle made by a click or a dragged
// baseline, into which typed and pasted text goes, wrapped to its width. The
// big text tool (tool 2) shares its mouse, typing, placing and pasting.
#pragma once

#include <windows.h>

#include <cstdint>

#include "document/clipboard_win.h"
#include "tools/tool_table_win.h"

// Typing into the floating rectangle; arrows move it, with nothing floating they scroll.
void TextKey(Document *document, char keyChar);
void TextMouse(Document *document, POINTS localPoint);
// Switching away merges the floating text into the page.
void TextActive(Document *document, int activated);
void TextButtons(Document *document, int activated);
// Wraps the text afresh at `width` columns; `height` is not used.
void TextRecalc(Document *document, std::int16_t width, std::int16_t height);
// The floating text's page becomes `page`, the old one's area and the new
// one's marked for repainting.
void TextFrontReplace(Document *document, const Page &page);
Placing TextPlacing(Document *document, POINT localPoint);
// Puts the text as typed on the clipboard, then the rectangle as a page.
ErrorCode TextCopy(Document *document, Clip &clip);
// Appends `textSize` bytes of the clipboard's text to the floating
// rectangle, or to a new page-wide one at the first visible cell.
void TextReceive(Document *document, HANDLE textHandle, std::uint32_t textSize);
// The rectangle for a click at (col, row).
void TextMakeRect(Document *document, std::int16_t col, std::int16_t row, RECT *rect);
