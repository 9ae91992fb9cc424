// Test support: the display font's cell size for one test, put back afterwards.
#pragma once

#include "page/page.h"
#include "tests/support/restore.h"

struct FontCell : Restore {
    FontCell(int width, int height) : Restore(fontWidth, fontHeight)
    {
        fontWidth = width;
        fontHeight = height;
    }
};
