// The document commands of the Edit and Effects menus.
#pragma once

#include "document/document.h"

// Exchanges the current and the undo state; a second undo redoes.
void DocumentUndo(Document *document);
// Whether a floating selection of the select or text tools can be copied.
bool DocumentCanCopy(const Document *document);
// Whether the effects apply: a selection floats in the select tool.
bool DocumentCanTransform(const Document *document);
// With 0, whether the effects apply; otherwise applies effect `transformation` and gives 0.
int DocumentTransform(Document *document, std::int16_t transformation);
