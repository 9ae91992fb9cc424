#include "tools/shape_cells.h"

#include <gtest/gtest.h>

#include "base/memory.h"
#include "tests/support/reports.h"
#include "tests/tools/shape_test_support.h"

static Rows Rectangle(int width, int height, unsigned char character, int size)
{
    return ShapeRows(RectangleMakePage, width, height, character, size);
}

TEST(ShapeCells, RectangleOutlines)
{
    EXPECT_EQ((Rows{"+---+", "|...|", "+---+"}), Rectangle(5, 3, 0, 1));
    EXPECT_EQ((Rows{"+"}), Rectangle(1, 1, 0, 1));
    EXPECT_EQ((Rows{"#"}), Rectangle(1, 1, '#', 1));
    EXPECT_EQ((Rows{"++"}), Rectangle(2, 1, 0, 1));
    // Two nested frames; a pen wider than half the box fills it.
    EXPECT_EQ((Rows{"+----+", "|+--+|", "||..||", "|+--+|", "+----+"}), Rectangle(6, 5, 0, 2));
    EXPECT_EQ((Rows{"+--+", "|++|", "|++|", "+--+"}), Rectangle(4, 4, 0, 3));
    FailEachAllocation([] {
        Page page = {};
        ErrorCode error = RectangleMakePage(page, 3, 3, 0, 1);
        EXPECT_EQ(error != 0, page.data == nullptr);
        PageKill(page);
        return error;
    });
}

TEST(ShapeCells, CircleCharacterByPlaceAroundTheCentre)
{
    // An 11 x 7 box: sides, top and bottom, then the four diagonals.
    struct Case {
        int col, row;
        char character;
    } cases[] = {
        {0, 3, '|'}, {10, 3, '|'}, {5, 0, '-'}, {5, 6, '-'},
        {1, 1, '/'}, {9, 5, '/'},  {9, 1, '\\'}, {1, 5, '\\'},
    };
    for (const Case &test : cases)
        EXPECT_EQ(test.character, CircleCharacter(11, 7, test.col, test.row)) << test.col << "," << test.row;
}
