// Pictures pasted into the program turned into characters.
#pragma once

#include <cstdint>

#include "page/page.h"

// Draws the picture onto the cells of `page`, centred and sized by
// `squishMode` (a PictureSquish). With `enhMetaFile` the picture is an
// HENHMETAFILE; otherwise it is a packed device-independent bitmap of `size`
// bytes. On failure the error has been reported and the page is unchanged.
ErrorCode PictureOnPage(Page &page, void *picture, std::uint32_t size, bool enhMetaFile, int squishMode);
