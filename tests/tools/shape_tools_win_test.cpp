#include "tools/shape_tools_win.h"

#include <gtest/gtest.h>

#include "tests/support/reports.h"
#include "tests/tools/shape_fixture_win.h"

static Rows Circle(int width, int height, unsigned char character, int size)
{
    return ShapeRows(CircleMakePage, width, height, character, size);
}

// The characters met in the quarter of `rows` left or right of the middle
// column and above or below the middle row, the middle ones left out.
static std::string Quarter(const Rows &rows, bool right, bool lower)
{
    std::string found;
    int height = static_cast<int>(rows.size()), width = static_cast<int>(rows[0].size());
    for (int row = lower ? height / 2 + 1 : 0; row < (lower ? height : height / 2); ++row)
        for (int col = right ? width / 2 + 1 : 0; col < (right ? width : width / 2); ++col)
            if (rows[row][col] != '.' && found.find(rows[row][col]) == std::string::npos)
                found += rows[row][col];
    return found;
}

TEST(CircleTool, OutlineCharactersByPlace)
{
    FontCell font(8, 16);
    Rows rows = Circle(15, 7, 0, 1);
    ASSERT_EQ(7u, rows.size());
    EXPECT_EQ('-', rows[0][7]);
    EXPECT_EQ('-', rows[6][7]);
    EXPECT_EQ('|', rows[3][0]);
    EXPECT_EQ('|', rows[3][14]);
    EXPECT_EQ('.', rows[3][7]); // not filled
    for (bool lower : {false, true})
        for (bool right : {false, true}) {
            std::string slants = Quarter(rows, right, lower);
            char diagonal = right == lower ? '/' : '\\';
            EXPECT_NE(std::string::npos, slants.find(diagonal)) << testing::PrintToString(rows);
            EXPECT_EQ(std::string::npos, slants.find(diagonal == '/' ? '\\' : '/')) << testing::PrintToString(rows);
        }

    Rows stars = Circle(15, 7, '*', 1);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t col = 0; col < rows[row].size(); ++col)
            EXPECT_EQ(rows[row][col] == '.' ? '.' : '*', stars[row][col]);

    Rows thick = Circle(15, 7, '*', 2); // two columns at the sides
    EXPECT_EQ("**", thick[3].substr(0, 2));
    EXPECT_EQ("**", thick[3].substr(13, 2));
}

TEST_F(ShapeWindow, RectangleDragsLeaveInsideCellsAlone)
{
    ASSERT_EQ(0u, Open({"......", ".xxxx.", "......"}));
    Drag(RectangleMouse, 5, 2, 1, 0); // dragged up and to the left
    EXPECT_EQ((Rows{".+---+", ".|xxx|", ".+---+"}), PageRows(document.now.back));
    Drag(RectangleMouse, 0, 1, 0, 1);
    EXPECT_EQ('+', GetCharPage(document.now.back, 0, 1));

    preferences.rectangleAuto = 0;
    preferences.toolCharacter = '#';
    Drag(RectangleMouse, 0, 2, 0, 2);
    EXPECT_EQ('#', GetCharPage(document.now.back, 0, 2));
}

TEST_F(ShapeWindow, FailedDragLeavesThePage)
{
    const Rows before = {"ab.", "..."};
    for (void (*mouseProc)(Document *, POINTS) : {RectangleMouse, CircleMouse})
        FailEachAllocation([&] {
            ErrorCode error = Open(before);
            bool unchanged = true;
            if (!error) {
                Drag(mouseProc, 0, 0, 2, 3); // growing the page on the drop
                unchanged = PageRows(document.now.back) == before;
                EXPECT_EQ(0, document.now.floating);
            }
            DocStateKill(document.now);
            DocStateKill(document.last);
            document.now = document.last = DocState{};
            return error ? error : unchanged ? errorNoMemory : 0;
        });
}
