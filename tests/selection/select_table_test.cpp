#include "selection/select_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/memory.h"
#include "base/preferences.h"
#include "page/text_conversion.h"
#include "tests/page/page_test_support.h"
#include "tests/support/font_cell.h"

// Columns 5, 1 and 4 cells wide; the middle one is too narrow to justify.
class SelectTable : public testing::Test {
protected:
    void SetUp() override
    {
        preferences = PreferencesDefaults();
        const std::string text = "Name\t\tAge\r\nBob\t\t42\r\n";
        ErrorCode error;
        table = TextToTable(error, reinterpret_cast<const unsigned char *>(text.data()), text.size(), 80, noRules);
        ASSERT_EQ(0u, error);
    }
    void TearDown() override
    {
        Destroy(table);
        preferences = PreferencesDefaults();
    }

    // What lies at each page column from 0 to `length` - 1: '.' nothing, 'a'
    // to 'c' the middle of columns 0 to 2, 'A' to 'C' their width handles.
    std::string Handles(RuleMode horiMode, int length)
    {
        std::string found;
        for (int col = 0; col < length; ++col) {
            std::int16_t column = -1;
            int handle = SelectTableHandleAt(table, horiMode, col, column);
            found += handle == handleNone ? '.' : static_cast<char>((handle == handleWidth ? 'A' : 'a') + column);
        }
        return found;
    }
    // The first row of the table's page, the cells it leaves empty as '.'.
    std::string TopRow(RuleMode horiMode)
    {
        Page page;
        EXPECT_EQ(0u, TableToPage(page, table, horiMode, noRules));
        std::string row = PageRows(page)[0];
        PageKill(page);
        return row;
    }

    TableRecord *table = nullptr;
};

// Each map lies under the row it was built with, one cell longer: a handle is
// the gap or the rule after its column, and a column's middle half justifies.
TEST_F(SelectTable, HandlesFollowTheLayoutOfEachRuleMode)
{
    struct Case {
        RuleMode mode;
        const char *row, *handles;
    } cases[] = {
        {noRules, /*      */ "Name....Age.",
         /*               */ ".aa..A.B.cc.C"},
        {endRules, /*     */ "|.Name....Age..|",
         /*               */ "...aa..A.B.cc..C."},
        {endTitleRules, /**/ "|.Name..|...Age..|",
         /*               */ "...aa...A..B.cc..C."},
        {allRules, /*     */ "|.Name..|...|.Age..|",
         /*               */ "...aa...A...B..cc..C."},
    };
    for (const Case &test : cases) {
        std::string row = TopRow(test.mode);
        EXPECT_EQ(test.row, row) << test.mode;
        EXPECT_EQ(test.handles, Handles(test.mode, static_cast<int>(row.size()) + 1)) << test.mode;
        std::int16_t column = 7;
        EXPECT_EQ(handleNone, SelectTableHandleAt(table, test.mode, -1, column));
        EXPECT_EQ(7, column) << "only a handle names a column";
    }
}

// A 30 x 6 page in cells of 8 x 16 pixels from (10, 20); the table, four
// rows high, floats from cell (3, 1).
TEST_F(SelectTable, OnlyAFloatingTableHasHandlesAndOnlyOnItsRows)
{
    FontCell font{8, 16};
    Document document = {};
    document.textRect = {10, 20, 400, 200};
    preferences.horiRuleMode = noRules;
    DocState &now = document.now;
    ASSERT_EQ(0u, PageNew(now.back, 30, 6));
    ASSERT_EQ(0u, TableToPage(now.front, table, noRules, endRules));
    now.floating = 1;
    now.format = formatTable;
    now.handle = table;
    now.floatCol = 3;
    now.floatRow = 1;
    auto area = [&](int col, int row) {
        std::int16_t column = -1;
        int handle = SelectTableArea(document, 10 + col * 8 + 4, 20 + row * 16 + 8, column);
        return std::to_string(handle) + ":" + std::to_string(column);
    };
    EXPECT_EQ("2:0", area(4, 1));
    EXPECT_EQ("1:2", area(15, 4)) << "right of the table, on its last row";
    EXPECT_EQ("0:-1", area(15, 0)) << "above its rows";
    EXPECT_EQ("0:-1", area(15, 5)) << "below them";
    now.floatRow = 4;
    EXPECT_EQ("1:2", area(15, 7)) << "on a row hanging below the page";
    EXPECT_EQ("0:-1", area(15, 8));
    now.floatCol = 17;
    EXPECT_EQ("1:2", area(29, 5)) << "in the page's last column";
    EXPECT_EQ("0:-1", area(30, 5)) << "beside the page";
    for (std::uint16_t format : {formatNone, formatMetafile, formatBitmap}) {
        now.format = format;
        EXPECT_EQ("0:-1", area(29, 5)) << format;
    }
    now.format = formatTable;
    now.floating = 0;
    EXPECT_EQ("0:-1", area(29, 5));
    now.handle = nullptr;
    PageKill(now.front);
    PageKill(now.back);
}

TEST_F(SelectTable, WidthFollowsWholeCellsAndNeverGoesBelowOne)
{
    struct Case {
        int oldWidth, moved, scrolled, expected;
    } cases[] = {
        {1, 8, 0, 2},    {1, -80, 0, 1},  {5, 7, 0, 5},         {5, -7, 0, 5}, {5, -8, 0, 4},
        {5, 0, 2, 7},    {5, -9, -1, 3},  {32760, 800, 0, 32767},
    };
    for (const Case &test : cases)
        EXPECT_EQ(test.expected, SelectTableWidth(test.oldWidth, test.moved, 8, test.scrolled))
            << test.oldWidth << " " << test.moved << " " << test.scrolled;
}

TEST_F(SelectTable, JustificationStepsEverySixteenPixelsFromLeftToRight)
{
    struct Case {
        int old, moved, expected;
    } cases[] = {
        {justCentre, 15, justCentre}, {justCentre, -15, justCentre}, {justCentre, 16, justRight},
        {justCentre, -16, justLeft},  {justLeft, 300, justRight},    {justRight, -300, justLeft},
    };
    for (const Case &test : cases)
        EXPECT_EQ(test.expected, SelectTableJustify(test.old, test.moved)) << test.old << " " << test.moved;
}
