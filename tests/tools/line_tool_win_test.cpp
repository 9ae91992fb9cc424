#include "tools/line_tool_win.h"

#include <gtest/gtest.h>

#include "tests/tools/shape_fixture_win.h"

// The line across a box of an empty page's cells.
static Rows Line(int width, int height, bool otherDiag, unsigned char character = 0, int size = 1)
{
    Page ref, page;
    EXPECT_EQ(0u, PageNew(ref, 0, 0));
    EXPECT_EQ(0u, LineMakePage(page, ref, 0, 0, width, height, otherDiag, character, size));
    Rows rows = PageRows(page);
    PageKill(page);
    PageKill(ref);
    return rows;
}

// Whether the line keeps to one cell per column, all of `character`.
static bool OnePerColumn(const Rows &rows, char character)
{
    for (std::size_t col = 0; col < rows[0].size(); ++col) {
        int count = 0;
        for (const std::string &row : rows)
            count += row[col] == character ? 1 : row[col] != '.' ? 100 : 0;
        if (count != 1)
            return false;
    }
    return true;
}

TEST(LineTool, MakePageRunsCornerToCorner)
{
    FontCell font(8, 16);
    Rows flat = Line(10, 4, false);
    ASSERT_EQ(5u, flat.size());
    EXPECT_TRUE(OnePerColumn(flat, '-')) << testing::PrintToString(flat);
    EXPECT_EQ('-', flat[0][0]);
    EXPECT_EQ('-', flat[4][10]);

    Rows down = Line(8, 4, false), up = Line(8, 4, true);
    EXPECT_TRUE(OnePerColumn(down, '\\') && OnePerColumn(up, '/'));
    EXPECT_TRUE(down[0][0] == '\\' && down[4][8] == '\\');
    EXPECT_TRUE(up[0][8] == '/' && up[4][0] == '/');

    EXPECT_EQ((Rows{"|", "|", "|"}), Line(0, 2, false));
    EXPECT_EQ((Rows{".."}), Line(0, 0, false, 0, 2)); // a click has no length
    EXPECT_EQ((Rows{"ooooo"}), Line(3, 0, false, 'o', 2));
    fontHeight = 12;
    EXPECT_EQ((Rows{"ooooo", "ooooo"}), Line(3, 0, false, 'o', 2)); // 16 over 12 rounds up to 2 rows
}

TEST_F(ShapeWindow, LineClickTakesAnUndoCopyAndDrawsNothing)
{
    ASSERT_EQ(0u, Open({"ab.", "..."}));
    Drag(LineMouse, 0, 0, 0, 0);
    EXPECT_EQ((Rows{"ab.", "..."}), PageRows(document.now.back));
    EXPECT_EQ(1, document.windowDirty);
    EXPECT_EQ((Rows{"ab.", "..."}), PageRows(document.last.back));
    EXPECT_EQ(0, document.now.floating);
}

TEST_F(ShapeWindow, LineJoinsCrossingsAndGrowsThePage)
{
    const Rows page = {"...|....", "...|....", "...|...."};
    ASSERT_EQ(0u, Open(page));
    Drag(LineMouse, 1, 1, 6, 2, {VK_SHIFT}); // slightly slanted, held flat
    EXPECT_EQ((Rows{"...|....", ".--+---.", "...|...."}), PageRows(document.now.back));

    preferences.compounds = 0;
    Drag(LineMouse, 1, 2, 6, 2);
    EXPECT_EQ(".------.", PageRows(document.now.back)[2]);

    Drag(LineMouse, 0, 1, 0, 4); // two rows below the last
    EXPECT_EQ((Rows{"...|....", "|--+---.", "|------.", "|.......", "|......."}), PageRows(document.now.back));
}

TEST_F(ShapeWindow, LineControlPicksUpTheCharacter)
{
    ASSERT_EQ(0u, Open({"x.", ".."}));
    Drag(LineMouse, 0, 0, 1, 1, {VK_CONTROL}); // picks up the character instead of drawing
    EXPECT_EQ(0, preferences.lineAuto);
    EXPECT_EQ('x', preferences.toolCharacter);
    EXPECT_EQ((Rows{"x.", ".."}), PageRows(document.now.back));
    EXPECT_EQ(0, document.windowDirty);
}
