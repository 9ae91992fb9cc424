// Painting the document window: the page with its floating page, the
// temporary marks and the two rulers.
#pragma once

#include <windows.h>

#include "document/document.h"

// The ruler numbers' font, of this character height in pixels (its cells,
// which add the internal leading, are taller).
const int rulerFontHeight = 9;
HFONT DocRulerFontCreate();

void DocumentDraw(Document *document, HDC context, const RECT &drawRect);
void DocPageDraw(Document *document, HDC context, const RECT &drawRect);
void DocDrawCharacters(Document *document, HDC context, int displayStartCol, int displayRow, int displayEndCol,
                       int bufferDisplayStartCol, int bufferWidth, const unsigned char *bufferPtr);
void DocTopRulerDraw(Document *document, HDC context, const RECT &drawRect);
void DocLeftRulerDraw(Document *document, HDC context, const RECT &drawRect);
