// Creating, opening, saving and closing the one document.
#pragma once

#include "document/document.h"

Document *DocumentNew(ErrorCode &error, int showCommand);
Document *DocumentCreate(ErrorCode &error, const char *windowName, int width, int height, int showCommand);
void DocumentOpen(const char *file, int showCommand);
void DocumentOpenDialog();
// Non-zero when nothing was saved.
ErrorCode DocumentSave(Document *document);
// 1 when the user cancels.
ErrorCode DocumentSaveAsDialog(Document *document);
// Asks whether to save a changed document's changes and saves them on Yes:
// IDYES when they are saved (or there are none), IDNO when the user drops
// them (`windowDirty` stays set), IDCANCEL when the document must stay: the
// user cancelled, or the save failed or was cancelled.
int DocumentAskSave(Document *document);
// Whether the document was closed (the user may cancel).
bool DocumentClose(Document *document, bool alsoQuit);
void DocumentKill(Document *document, bool alsoQuit);
