// The clipboard's HTML form of a drawing, for mail composers that write HTML:
// the text in a <pre> block in a fixed-width font, so that its columns stay
// straight, under the header that gives where the HTML and the fragment lie.
#pragma once

#include <cstddef>

#include "base/error.h"

// Writes the 8-bit text, escaped, into a new block of `size` bytes (one 0
// byte after them, not counted) that the caller destroys.
ErrorCode ClipHtmlMake(unsigned char *&block, std::size_t &size, const unsigned char *text, std::size_t textSize);
