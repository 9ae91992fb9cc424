// Text written on the option buttons' faces.
#pragma once

#include <windows.h>

#include "base/error.h"

// How a piece of text on a face looks.
struct ButtonTextStyle {
    const char *faceName;
    int height; // pixels
    bool bold;
    bool italic;
};

// Writes the leading characters of `text` that fit within `width` pixels,
// centred on `x` with their top at `y`, on a transparent background.
ErrorCode ButtonWriteCentred(HDC context, const ButtonTextStyle &style, const char *text, int x, int y, int width);
