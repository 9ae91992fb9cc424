// The program's own clipboard form of a page: the width and the height as
// 16-bit little-endian numbers, then the cells row after row, empty ones
// included, with nothing after them.
#pragma once

#include <cstddef>

#include "page/page.h"

// The system's code for data that are not what they claim (ERROR_INVALID_DATA).
const ErrorCode errorBadClipData = 13;

// Writes `page` into a new block of `dataSize` bytes that the caller destroys.
ErrorCode PageToClip(unsigned char *&textPointer, std::size_t &dataSize, const Page &page);
// Makes `page` from a block of `size` bytes. Another program may have put the
// block there, so one with no cells or too short for the size it gives is
// refused (and reported) as bad data, never read past its end.
ErrorCode ClipToPage(Page &page, const unsigned char *block, std::size_t size);
