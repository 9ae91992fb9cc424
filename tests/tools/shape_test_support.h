// Test support for the shape tools: shapes made on new pages, read back as rows.
#pragma once

#include "tests/page/page_test_support.h"
#include "tests/support/font_cell.h"

// The page `makePage` makes for a width x height box, as rows.
inline Rows ShapeRows(ErrorCode (*makePage)(Page &, int, int, unsigned char, int), int width, int height,
                      unsigned char character, int size)
{
    Page page;
    EXPECT_EQ(0u, makePage(page, width, height, character, size));
    Rows rows = PageRows(page);
    PageKill(page);
    return rows;
}
