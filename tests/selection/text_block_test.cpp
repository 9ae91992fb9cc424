#include "selection/text_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/page/page_test_support.h"

TEST(TextBlock, BackspaceTakesAReturnInOnePress)
{
    const struct {
        const char *typed, *left;
    } cases[] = {
        {"ab\r\n", "ab"}, {"\r\n", ""}, {"a\n", "a"}, {"\n", ""}, {"a\r", "a"}, {"\n\r\n", "\n"}, {"abc", "ab"},
    };
    for (const auto &test : cases) {
        DocState now = {};
        ASSERT_EQ(0u, TextFloatNew(now, 0, 0, 10, 1, textBlockStep));
        TextBlockAppend(now, test.typed, static_cast<std::uint32_t>(std::strlen(test.typed)));
        TextBlockBackspace(now);
        EXPECT_EQ(test.left, std::string(static_cast<const char *>(now.handle), now.used)) << test.typed;
        DocStateKill(now);
    }
}

TEST(TextBlock, ClickRectangleFillsTheBlankStretchFromTheClick)
{
    Page back;
    ASSERT_EQ(0u, PageFromRows(back, {"ab.. ...cd", ".........."}));
    const struct {
        int col, row;
        Justification justification;
        int left, right; // right exclusive
    } cases[] = {
        {4, 0, justLeft, 4, 8},    {4, 0, justRight, 2, 5},   {4, 0, justCentre, 2, 7},  // nearer end on the left
        {5, 0, justJustify, 3, 8}, // nearer end on the right
        {8, 0, justLeft, 8, 10},   {8, 0, justRight, 0, 9},   {8, 0, justCentre, 7, 10}, // on a character: whole row
        {3, 5, justLeft, 3, 10},   // below the page: whole row
        {0, 1, justRight, 0, 1},   {9, 1, justLeft, 9, 10},   {0, 1, justCentre, 0, 1},  // at the page's edges
    };
    for (const auto &test : cases) {
        CellRect rect;
        TextClickRect(back, test.col, test.row, test.justification, rect);
        EXPECT_TRUE(rect.left == test.left && rect.right == test.right && rect.top == test.row)
            << test.col << "," << test.row << " " << test.justification << ": " << rect.left << "-" << rect.right;
    }
    PageKill(back);
}
