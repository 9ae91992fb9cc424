// The big text tool (tool 2): placed, typed into, moved, resized and dropped
// like the text tool, whose mouse, placing and pasting it shares, but the text
// is drawn in a large font, each pixel of a letter one character.
#pragma once

#include <cstdint>

#include "document/document.h"

// Typing goes into the floating text; with none it chooses the drawing character.
void BigTextKey(Document *document, char keyChar);
void BigTextButtons(Document *document, int activated);
// Draws the text afresh at `width` columns; `height` is not used.
void BigTextRecalc(Document *document, std::int16_t width, std::int16_t height);
