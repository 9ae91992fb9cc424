// The clipboard commands of the Edit menu.
#pragma once

#include "document/clipboard_win.h"
#include "document/document.h"

// Whether the clipboard holds text, a picture or a page that Paste can take.
bool DocumentTrack(const Document *document, Clip &clip);
