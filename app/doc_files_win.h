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
// Whether the document was closed (the user may cancel).
bool DocumentClose(Document *document, bool alsoQuit);
void DocumentKill(Document *document, bool alsoQuit);
