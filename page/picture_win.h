// Pictures pasted into the program turned into characters.
#pragma once

#include <windows.h>

#include <cstdint>

#include "page/page.h"

// Draws the picture onto the cells of `page`, centred and sized by
// `squishMode` (a PictureSquish). With `enhMetaFile` the picture is an
// HENHMETAFILE; otherwise it is a packed device-independent bitmap of `size`
// bytes. On failure the error has been reported and the page is unchanged.
ErrorCode PictureOnPage(Page &page, void *picture, std::uint32_t size, bool enhMetaFile, int squishMode);
// The width and height of the metafile's bounds, from its header.
ErrorCode PictureMetafileSize(HENHMETAFILE metafile, std::int64_t &width, std::int64_t &height);
