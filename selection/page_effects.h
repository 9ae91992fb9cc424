// The effects of the Effects menu as operations on a page's cells.
#pragma once

#include <cstdint>

#include "page/page.h"

// The effect codes, as the Effects menu sends them.
enum Transformation : std::int16_t {
    flipHorizontal = 1,
    flipVertical = 2,
    rotateRight = 3,
    rotateLeft = 4,
    rotate180 = 5,
    explode = 8,
    implode = 9,
    invert = 10,
};

// Applies `transformation` to `page`. Every effect but invert builds a new
// page and replaces `page` with it; on failure `page` is unchanged.
// Characters are moved, never mirrored or turned.
ErrorCode PageTransform(Page &page, int transformation);
