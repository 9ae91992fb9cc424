// Test support: the display font's cell size for one test, put back afterwards.
#pragma once

#include "page/page.h"

struct FontCell {
    FontCell(int width, int height) : oldWidth(fontWidth), oldHeight(fontHeight)
    {
        fontWidth = width;
        fontHeight = height;
    }
    ~FontCell()
    {
        fontWidth = oldWidth;
        fontHeight = oldHeight;
    }
    FontCell(const FontCell &) = delete;
    FontCell &operator=(const FontCell &) = delete;

    std::int32_t oldWidth, oldHeight;
};
