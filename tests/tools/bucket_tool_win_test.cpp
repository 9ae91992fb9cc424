#include "tools/bucket_tool_win.h"

#include <gtest/gtest.h>

#include "tests/tools/shape_fixture_win.h"
#include "tools/sample_tool_win.h"

TEST(FillOnPage, FloodsThroughEdgeNeighboursOfTheSameCharacter)
{
    struct Case {
        Rows rows;
        int col, row;
        Rows filled;
    } cases[] = {
        // Empty and space are one blank; the outline bounds it.
        {{"..........", ".****.....", ".*. *.....", ".*..*.....", ".****....."}, 3, 2,
         {"..........", ".****.....", ".*##*.....", ".*##*.....", ".****....."}},
        // Closed only at the corners, it still holds.
        {{"..../\\....", ".../..\\...", "...\\../...", "....\\/...."}, 4, 1,
         {"..../\\....", ".../##\\...", "...\\##/...", "....\\/...."}},
        {{"--*---", "-.----"}, 0, 0, {"##*---", "#.----"}},
    };
    for (const Case &test : cases) {
        Page page;
        ASSERT_EQ(0u, PageFromRows(page, test.rows));
        EXPECT_EQ(0u, FillOnPage(page, test.col, test.row, '#'));
        EXPECT_EQ(test.filled, PageRows(page));
        PageKill(page);
    }
}

typedef ShapeWindow BucketWindow;

TEST_F(BucketWindow, FillsOnlyOnThePageAndControlSamples)
{
    const Rows page = {"......", ".*..**", "...*.."};
    ASSERT_EQ(0u, Open(page));
    preferences.toolCharacter = '+';
    Drag(BucketMouse, 1, 4, 1, 4); // below the page
    EXPECT_EQ(page, PageRows(document.now.back));
    EXPECT_EQ(0, document.windowDirty);
    Drag(BucketMouse, 4, 1, 4, 1);
    EXPECT_EQ((Rows{"......", ".*..++", "...*.."}), PageRows(document.now.back));
    EXPECT_EQ(page, PageRows(document.last.back));

    Drag(BucketMouse, 2, 1, 2, 1, {VK_CONTROL});
    EXPECT_EQ(' ', preferences.toolCharacter); // an empty cell
    SampleMouse(&document, {static_cast<SHORT>(Middle(3, 6).x), static_cast<SHORT>(Middle(3, 6).y)});
    EXPECT_EQ('*', preferences.toolCharacter); // below the page: its last row
}

// Wine's fill recurses once for each row: the tallest page a document can have
// must not run out of stack.
TEST(FillOnPage, FloodsTheTallestPage)
{
    Page page;
    ASSERT_EQ(0u, PageNew(page, 500, 16000));
    ASSERT_EQ(0u, FillOnPage(page, 0, 0, '#'));
    EXPECT_EQ('#', GetCharPage(page, 499, 15999));
    EXPECT_EQ('#', GetCharPage(page, 250, 8000));
    PageKill(page);
}
