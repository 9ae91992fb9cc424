#include <gtest/gtest.h>

#include "tests/support/reports.h"
#include "tests/support/window_document_win.h"
#include "tests/tools/shape_test_support.h"
#include "tools/bucket_tool_win.h"
#include "tools/line_tool_win.h"
#include "tools/pencil_tool_win.h"
#include "tools/sample_tool_win.h"
#include "tools/shape_tools_win.h"

// Drawing through the tools' own mouse procedures; the strokes users make
// are the end-to-end scenarios'.
typedef WindowDocument DrawingTools;

TEST_F(DrawingTools, ControlPicksUpTheCharacterInsteadOfDrawing)
{
    Open({"x.", ".."});
    for (auto mouse : {LineMouse, CircleMouse, RectangleMouse, PencilMouse, BucketMouse}) {
        preferences.toolCharacter = '*';
        Drag(mouse, 0, 0, 1, 1, {VK_CONTROL});
        EXPECT_EQ('x', preferences.toolCharacter);
        EXPECT_EQ((Rows{"x.", ".."}), PageRows(document.now.back));
        EXPECT_EQ(0, document.windowDirty) << "no undo step";
    }
    EXPECT_EQ(0, preferences.lineAuto + preferences.circleAuto + preferences.rectangleAuto);
    SampleMouse(&document, Middle(1, 6)); // below the page: its last row
    EXPECT_EQ(' ', preferences.toolCharacter) << "an empty cell";
}

TEST_F(DrawingTools, FailedDragLeavesThePage)
{
    const Rows before = {"ab.", "..."};
    for (auto mouse : {RectangleMouse, CircleMouse, LineMouse})
        FailEachAllocation([&] {
            ErrorCode error = PageFromRows(document.now.back, before);
            if (!error)
                error = DocStateCopy(document.now, document.last);
            bool drawn = false;
            if (!error) {
                Drag(mouse, 0, 0, 2, 3); // growing the page on the drop
                drawn = PageRows(document.now.back) != before;
                EXPECT_EQ(0, document.now.floating);
            }
            DocStateKill(document.now);
            DocStateKill(document.last);
            document.now = document.last = DocState{};
            return error ? error : drawn ? ErrorCode{0} : errorNoMemory;
        });
}

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
    // Wine's fill recurses once for each row: the tallest page a document
    // can have must not run out of stack.
    Page page;
    ASSERT_EQ(0u, PageNew(page, 500, 16000));
    ASSERT_EQ(0u, FillOnPage(page, 0, 0, '#'));
    EXPECT_TRUE(GetCharPage(page, 499, 15999) == '#' && GetCharPage(page, 250, 8000) == '#');
    PageKill(page);
}
