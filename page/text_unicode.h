// Unicode text and the program's 8-bit text, whose upper half is the Windows
// Latin-1 set.
#pragma once

#include <cstddef>

// The Unicode character of an 8-bit one. The set's five unassigned bytes
// stand for the control characters of the same numbers, as the system has them.
char16_t TextByteUnicode(unsigned char byte);
// Folds `count` UTF-16 units into 8-bit text: box drawings, blocks, arrows,
// marks, bullets, dashes, quotes and spaces become ASCII look-alikes (an
// arrow "->", an ellipsis "..."), any other character of the Windows Latin-1
// set its byte, anything else "?". Writes into `out` unless it is null;
// returns the number of bytes, at most `maxFoldBytes` a unit.
std::size_t TextFoldUnicode(const char16_t *text, std::size_t count, unsigned char *out);

const std::size_t maxFoldBytes = 4;
