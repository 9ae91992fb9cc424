// Pictures onto character pages: where on the page a picture goes, and the
// whole conversion of a packed bitmap, which needs no platform drawing.
#pragma once

#include <cstdint>

#include "page/page.h"

// Picture scaling modes, preferences.pictureSquish.
enum PictureSquish {
    squishDirect = 0,       // one pixel per cell, never enlarged
    squishProportional = 1, // as Direct, the height corrected for the cell's shape
    squishFree = 2,         // the whole page
};

// Sets `area` to the cells a picture of `width` x `height` pixels is drawn
// into, centred on the page; false when nothing is drawn.
bool PictureDrawArea(const Page &page, std::int64_t width, std::int64_t height, int squishMode, CellRect &area);
// The page a pasted picture of `width` x `height` pixels floats as: a cell
// per pixel (fewer rows unless `squishMode` is Direct, for the cells' shape)
// when that fits in `roomWidth` x `roomHeight`, else scaled down to fit, and
// at least a cell each way. False, with nothing set, for a picture without
// pixels.
bool PicturePasteSize(std::int64_t width, std::int64_t height, int squishMode, int roomWidth, int roomHeight,
                      int &pageWidth, int &pageHeight);
// Draws the packed device-independent bitmap held in the `size` bytes at
// `block` onto the page; on failure the page is unchanged.
ErrorCode PictureBitmapOnPage(Page &page, const void *block, std::uint32_t size, int squishMode);
