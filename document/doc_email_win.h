// Sending the drawing as the body of a new e-mail message.
#pragma once

#include "document/document.h"

// Hands the floating page, or else the whole page, as text under the message
// prefix to the mail client's composition dialog.
void DocumentToClient(Document *document);
