// The bucket (tool 5) fills the area around the clicked cell with the
// drawing character, working directly on the document's page.
#pragma once

#include <windows.h>

#include "tools/tool_table_win.h"

void BucketKey(Document *document, char keyChar);
void BucketMouse(Document *document, POINTS localPoint);
void BucketButtons(Document *document, int activated);
Placing BucketPlacing(Document *document, POINT localPoint);

// Writes `character` into the cell (theCol, theRow) and every cell joined to
// it through edge neighbours that holds the same character, blank (empty or
// space) counting as one; on failure the page is unchanged.
ErrorCode FillOnPage(Page &page, int theCol, int theRow, unsigned char character);
