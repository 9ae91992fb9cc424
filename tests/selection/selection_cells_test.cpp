#include "selection/selection_cells.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/page/page_test_support.h"
#include "tests/support/font_cell.h"

// Cells of 8 x 16 pixels from (10, 20); a 10 x 4 back page with a 3 x 2
// page floating over cells (2, 1) to (4, 2), at pixels (26, 36) to (50, 68).
class SelectionCells : public testing::Test {
protected:
    void SetUp() override
    {
        document.textRect = {10, 20, 170, 180};
        ASSERT_EQ(0u, PageFromRows(document.now.back, {"..........", "..ab......", "...c ....."}));
        ASSERT_EQ(0u, PageResize(document.now.back, 10, 4));
        ASSERT_EQ(0u, PageNew(document.now.front, 3, 2));
        Float(2, 1, 3, 2);
    }
    void TearDown() override
    {
        document.now.floating = 1;
        document.now.front.width = 3;
        document.now.front.height = 2;
        DocStateKill(document.now);
    }
    void Float(int col, int row, int width, int height)
    {
        SelectionFloatRect(document.now, {col, row, col + width, row + height});
        document.now.floating = 1;
    }
    int Area(int x, int y, int possibilities) { return SelectionAreaAt(document, x, y, possibilities); }
    std::vector<int> Frame()
    {
        PixelRect frame = SelectionFrameRect(document);
        return {frame.left, frame.top, frame.right, frame.bottom};
    }
    std::vector<int> NewRect(int downCol, int downRow, int col, int row, int possibilities, bool reduce)
    {
        CellRect rect;
        SelectionNewRect(document, downCol, downRow, col, row, possibilities, reduce, rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }

    FontCell font{8, 16};
    Document document = {};
};

TEST_F(SelectionCells, AreasOfPoints)
{
    const int both = possibleWidth | possibleHeight; // the frame reaches out to (22, 28) - (54, 76)
    const int cases[][4] = {
        // x, y, possibilities, area
        {30, 40, 0, areaInside}, {49, 67, 0, areaInside}, {50, 40, 0, areaPage}, {25, 40, 0, areaPage},
        {5, 40, 0, areaPage}, // less than a cell left of the area is column 0
        {30, 90, 0, areaBelowPage}, {1, 40, 0, areaOffPage}, {90, 40, 0, areaOffPage}, {30, 3, 0, areaOffPage},
        {22, 50, both, areaLeft}, {30, 50, both, areaLeft}, {31, 50, both, areaInside}, {46, 50, both, areaRight},
        {53, 50, both, areaRight}, {54, 50, both, areaPage}, {40, 44, both, areaTop}, {40, 45, both, areaInside},
        {40, 60, both, areaBottom}, {22, 28, both, areaTop | areaLeft}, {53, 28, both, areaTop | areaRight},
        {22, 75, both, areaBottom | areaLeft}, {53, 75, both, areaBottom | areaRight},
        {22, 40, possibleWidth, areaLeft}, {40, 28, possibleWidth, areaPage}, // only the live edges count
        {27, 50, possibleHeight, areaInside},
    };
    for (const auto &test : cases)
        EXPECT_EQ(test[3], Area(test[0], test[1], test[2])) << test[0] << "," << test[1] << " " << test[2];
    document.now.floating = 0;
    EXPECT_EQ(areaPage, Area(30, 40, 0));
    Float(2, 3, 3, 2); // hanging below the last row: the part below still counts
    EXPECT_EQ(areaInside, Area(30, 92, 0));
    Float(2, 1, 1, 1); // so narrow that both bands overlap: left and top win
    EXPECT_EQ(areaLeft | areaTop, Area(30, 44, both));
    document.scrollCol = 1; // scrolled, the page lies a cell further left
    Float(2, 1, 3, 2);
    EXPECT_EQ(areaLeft, Area(14, 50, both));
}

TEST_F(SelectionCells, FrameIsCutToThePageExceptBelow)
{
    EXPECT_EQ((std::vector<int>{26, 36, 50, 68}), Frame());
    Float(-2, -1, 3, 2);
    EXPECT_EQ((std::vector<int>{10, 20, 18, 36}), Frame());
    Float(8, 3, 5, 4);
    EXPECT_EQ((std::vector<int>{74, 68, 90, 132}), Frame());
    Float(2, 1, 0, 0); // never thinner than 2 pixels
    EXPECT_EQ((std::vector<int>{26, 36, 28, 38}), Frame());
    Float(10, 1, 3, 2); // on the page's right edge
    EXPECT_EQ((std::vector<int>{90, 36, 92, 68}), Frame());
}

TEST_F(SelectionCells, NewRectanglesHoldBothCells)
{
    EXPECT_EQ((std::vector<int>{1, 0, 6, 4}), NewRect(5, 3, 1, 0, 0, false));
    EXPECT_EQ((std::vector<int>{2, 3, 6, 4}), NewRect(5, 1, 2, 3, possibleOneRow, false));
    EXPECT_EQ((std::vector<int>{2, 1, 4, 3}), NewRect(0, 0, 6, 3, 0, true));
    EXPECT_EQ((std::vector<int>{4, 0, 10, 4}), NewRect(9, 3, 4, 0, 0, true)); // blanks and a space only
}

TEST(SelectionResizing, LengthsMoveByWholeCellsAndStayPositive)
{
    EXPECT_EQ(5, SelectionResizeLength(5, 7, 8, 1));
    EXPECT_EQ(6, SelectionResizeLength(5, 8, 8, 1));
    EXPECT_EQ(5, SelectionResizeLength(5, -7, 8, 1)); // truncated toward zero
    EXPECT_EQ(4, SelectionResizeLength(5, -9, 8, 1));
    EXPECT_EQ(7, SelectionResizeLength(5, -16, 8, -1)); // a left edge dragged left grows the page
    EXPECT_EQ(1, SelectionResizeLength(5, 80, 8, -1));  // past the opposite edge it stops at 1
    EXPECT_EQ(5, SelectionResizeLength(5, 80, 8, 0));
}
