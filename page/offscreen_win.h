// Off-screen bitmaps whose pixels the program reads back: 1 bit (white,
// black) or 8 bits of grey, where a pixel's byte is its darkness.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/error.h"

struct Offscreen {
    HDC context;               // a memory context with `bitmap` selected
    HBITMAP bitmap;
    std::int32_t widthBytes;   // bytes per pixel row
    unsigned char *bits;       // rows bottom first: row r starts at (height - 1 - r) * widthBytes
};

// On failure the error has been reported and the record must not be used.
ErrorCode MyCreateOffscreen(Offscreen &offscreen, int width, int height, int depth);
void MyDisposeOffscreen(Offscreen &offscreen);
// Fills the top-left `width` x `height` pixels white.
void OffscreenClear(const Offscreen &offscreen, int width, int height);
