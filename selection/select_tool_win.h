// The select tool: lifting, moving and dropping rectangular selections.
#pragma once

#include "document/document.h"

// A typed key: with nothing floating the arrow codes scroll the window.
void SelectKey(Document *document, char keyChar);
