// The document commands of the Edit and Effects menus.
#pragma once

#include "document/document.h"

// Exchanges the current and the undo state; a second undo redoes.
void DocumentUndo(Document *document);
// Whether a floating selection of the select or text tools can be copied.
bool DocumentCanCopy(const Document *document);
