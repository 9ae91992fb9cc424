// Big text drawn by the system's fonts.
#pragma once

#include <cstddef>

#include "page/big_text.h"

// Creates `page` holding the text drawn in the font `theFont`, `size` pixels
// to the em, bold and italic as asked, wrapped at `width` pixels and laid
// out as BigTextLayout says.
ErrorCode BigTextToPage(Page &page, int width, Justification justify, const char *theFont, int size, bool bold,
                        bool italic, const unsigned char *textPtr, std::size_t textSize, unsigned char character);
