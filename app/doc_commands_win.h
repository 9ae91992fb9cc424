// The document commands of the Edit and Effects menus.
#pragma once

#include "document/clipboard_win.h"
#include "document/document.h"

// Exchanges the current and the undo state; a second undo redoes.
void DocumentUndo(Document *document);
// Whether a floating selection of the select or text tools can be copied.
bool DocumentCanCopy(const Document *document);
// Copies the floating selection to the prepared, emptied clipboard.
ErrorCode DocumentCopy(Document *document, Clip &clip);
// Deletes the floating selection of the select or text tools as one undoable action.
void DocumentClear(Document *document);
// Whether the clipboard holds text, a picture or a page that Paste can take.
bool DocumentTrack(const Document *document, Clip &clip);
// Paste: a table, picture or page goes to the select tool, made current.
void DocumentReceive(Document *document, Clip &clip);
// Makes the select tool current and lifts the whole page.
void DocumentSelAll(Document *document);
// Whether the effects apply: a selection floats in the select tool.
bool DocumentCanTransform(const Document *document);
// With 0, whether the effects apply; otherwise applies effect `transformation` and gives 0.
int DocumentTransform(Document *document, std::int16_t transformation);
