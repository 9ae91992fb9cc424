// The text tool's text block: the characters of a text rectangle as typed or
// pasted, kept in the document state (`handle`, `used`, `allocated`) so that
// undo keeps a copy of it, and the rectangle a click makes.
#pragma once

#include <cstdint>

#include "document/document.h"
#include "page/text_conversion.h"

// The room a new block has, and how much a full block grows by.
const std::uint32_t textBlockStep = 256;

// A new empty rectangle: a `width` x `height` front page at (col, row) and an
// empty text block of `size` bytes. On failure nothing floats.
ErrorCode TextFloatNew(DocState &now, int col, int row, int width, int height, std::uint32_t size);
// Grows the block to `size` bytes keeping its text; on failure it is as it was.
ErrorCode TextBlockGrow(DocState &now, std::uint32_t size);
// Adds `count` bytes at the end of the text, for which the block has room;
// returns where they went.
unsigned char *TextBlockAppend(DocState &now, const void *bytes, std::uint32_t count);
// Takes off the last character, or a whole CR LF.
void TextBlockBackspace(DocState &now);
// Whether the text tool takes `keyChar` while only ASCII is allowed.
bool TextKeyAllowed(char keyChar);
// The one-row rectangle a click at (col, row) of `back` makes: the blank
// stretch around a blank cell, or the whole row, anchored at the click.
void TextClickRect(const Page &back, int col, int row, Justification justification, CellRect &rect);
