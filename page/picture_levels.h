// Grey pictures into characters: a picture's darkness levels are stretched
// to the full range and each pixel becomes the grey character for its level.
#pragma once

#include <cstddef>
#include <cstdint>

#include "page/page.h"

// One byte of darkness per pixel, 0 white to 255 black.
struct GrayImage {
    const unsigned char *top; // first pixel of the top row
    std::ptrdiff_t rowStep;   // from a row to the one below; negative when stored bottom-up
    std::int32_t width, height;
};

// Pixels clipped at each end of the darkness range: a thirtieth of them.
std::int64_t PictureCut(std::int32_t width, std::int32_t height);
// The levels where `cut` pixels are used up, counting up from white (`low`)
// and down from black (`high`).
void PictureLevelPoints(const std::uint32_t tally[256], std::int64_t cut, int &low, int &high);
// Stretches low..high to 0..255; levels outside go to the ends.
void PictureLevelMap(int low, int high, unsigned char map[256]);
void PictureTally(const GrayImage &image, std::uint32_t tally[256]);
// Writes each pixel's grey character into the cell from (atCol, atRow)
// under it; the caller keeps the image inside the page.
void PictureGrayOnPage(Page &page, const GrayImage &image, int atCol, int atRow);
