// Pictures that other programs offer as PNG files (browsers on Windows, and
// Wine for the pictures of X programs), decoded into packed bitmaps.
#pragma once

#include <cstddef>

#include "base/error.h"

// Decodes the PNG file in the `size` bytes at `png` with the system's imaging
// component into a new block from Allocate: a packed 32-bit bitmap, top row
// first, with transparent parts laid over white. Data that does not decode
// is reported and refused.
ErrorCode PngToDib(const unsigned char *png, std::size_t size, unsigned char *&dib, std::size_t &dibSize);
