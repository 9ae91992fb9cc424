#include <gtest/gtest.h>

#include "document/document.h"
#include "tests/support/font_cell.h"

// A 4 x 3 back page seen through a character area at (20, 30) in cells of
// 7 x 15 pixels; a front page of 2 rows may float at row 4.
static Document CellDocument(bool floating, int scrollCol = 0, int scrollRow = 0)
{
    Document document{};
    document.textRect = {20, 30, 90, 105};
    document.scrollCol = static_cast<std::int16_t>(scrollCol);
    document.scrollRow = static_cast<std::int16_t>(scrollRow);
    document.now.back = {4, 3, nullptr};
    document.now.front = {1, 2, nullptr};
    document.now.floating = floating;
    document.now.floatRow = 4;
    return document;
}

TEST(DocCells, PositionsAndCellsMapBothWays)
{
    FontCell font(7, 15);
    int x, y, col, row;
    DocCellToPos(CellDocument(false, 2, 5), 3, 6, x, y);
    EXPECT_TRUE(x == 27 && y == 45);
    struct Case {
        int scroll, x, y;
        PinMode mode;
        int col, row;
        bool inside;
    } cases[] = {
        {5, 33, 59, pinNone, 6, 6, true},      // anywhere in the cell
        {5, 17, 25, pinNone, 5, 5, true},      // less than a cell before the area: the first visible
        {0, 17, 31, pinPage, 0, 0, true},
        {0, -500, 9000, pinPage, 0, 2, false},
        {0, -500, 9000, pinNone, -74, 598, true},
    };
    for (const Case &test : cases) {
        EXPECT_EQ(test.inside, DocPosToCell(CellDocument(false, test.scroll, test.scroll), test.x, test.y, col, row,
                                            test.mode));
        EXPECT_TRUE(col == test.col && row == test.row) << test.x << "," << test.y << " gave " << col << "," << row;
    }
}

TEST(DocCells, PinModes)
{
    FontCell font(7, 15);
    struct Case {
        bool floating;
        int col, row;
        PinMode mode;
        int pinnedCol, pinnedRow;
        bool inside;
    } cases[] = {
        {false, 1, 2, pinPage, 1, 2, true},           {false, -1, 1, pinPage, 0, 1, false},
        {false, 4, 1, pinPage, 3, 1, false},          {false, 1, -2, pinPage, 1, 0, false},
        {false, 1, 3, pinPage, 1, 2, false},          {false, 1, 900, pinBelowPage, 1, 900, true},
        {false, 9, 900, pinBelowPage, 3, 900, false}, {false, 1, -1, pinBelowPage, 1, 0, false},
        {true, 1, 5, pinFloating, 1, 5, true},        {true, 1, 6, pinFloating, 1, 5, false},
        {false, 1, 3, pinFloating, 1, 2, false},      {true, 1, 2, pinFloating, 1, 2, true},
        {true, -9, 900, pinNone, -9, 900, true},
    };
    for (const Case &test : cases) {
        int col = test.col, row = test.row;
        EXPECT_EQ(test.inside, DocPinCell(CellDocument(test.floating), col, row, test.mode));
        EXPECT_TRUE(col == test.pinnedCol && row == test.pinnedRow) << test.col << "," << test.row;
    }
}

TEST(DocCells, MakeRectangleOrdersCornersAndWidensFarEdges)
{
    int rights[] = {7, 8, 7, 8}, bottoms[] = {5, 5, 6, 6};
    for (WholeMode mode : {wholeNone, wholeCol, wholeRow, wholeBoth}) {
        CellRect rect;
        MakeRectangle(rect, 7, 2, 3, 5, mode);
        EXPECT_TRUE(rect.left == 3 && rect.top == 2 && rect.right == rights[mode] && rect.bottom == bottoms[mode]);
    }
}
