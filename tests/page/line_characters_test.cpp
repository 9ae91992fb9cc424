#include "page/line_characters.h"

#include <gtest/gtest.h>

#include <string>

#include "base/preferences.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"
#include "tests/support/restore.h"

TEST(LineCharacters, DirectionCharacter)
{
    const std::string expected = "\\\\\\///||-- ";
    const std::int16_t steps[][2] = {{3, 3},   {-3, -3}, {1, 7}, {3, -1}, {-3, 1}, {-32768, 32767},
                                     {0, -2}, {0, 5},    {-4, 0}, {1, 0}, {0, 0}};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], DirectionCharacter(steps[i][0], steps[i][1])) << steps[i][0] << ", " << steps[i][1];
}

TEST(LineCharacters, Rules)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"abcd", "e-gh", "ijkl"}));
    ASSERT_EQ(0u, HorizontalLine(page, 2));
    ASSERT_EQ(0u, HorizontalLine(page, 5));
    VerticalLine(page, 1);
    EXPECT_EQ((Rows{"a|cd", "e+gh", "-+--", ".|..", ".|..", "-+--"}), PageRows(page));
    PageKill(page);
    FailEachAllocation([] {
        Page page = {};
        ErrorCode error = PageFromRows(page, {"ab"});
        if (!error) {
            error = HorizontalLine(page, 2);
            EXPECT_EQ(error ? Rows{"ab"} : (Rows{"ab", "..", "--"}), PageRows(page));
        }
        PageKill(page);
        return error;
    });
}

TEST(LineCharacters, CompoundCharacter)
{
    const std::string lines = "-|/\\+X*";
    for (unsigned char line : lines) // a pair joins alike whichever comes last, or each keeps its own
        for (unsigned char under : lines) {
            unsigned char joint = CompoundCharacter(line, under), back = CompoundCharacter(under, line);
            EXPECT_TRUE(joint == back || (joint == line && back == under)) << line << under;
        }
    // Straight lines cross in a plus, slants in an X, one of each in a star;
    // a line over itself or over anything else keeps its own character.
    const char *pairs[] = {"-|+", "+-+", "/\\X", "X/X", "+/*", "X-*", "*|*", "---", "-a-", "a|a", "|\xAD|"};
    for (const char *pair : pairs)
        EXPECT_EQ(pair[2], CompoundCharacter(pair[0], pair[1])) << pair;
    EXPECT_EQ('-', CompoundCharacter('-', 0));
}

TEST(LineCharacters, LineCompoundJoinsOnlyCellsOfTheBackPage)
{
    Restore kept(preferences);
    Page back;
    ASSERT_EQ(0u, PageFromRows(back, {"-/", "X-"}));
    struct Case {
        char line;
        int col, row;
        char joined;
    } cases[] = {{'|', 0, 0, '+'}, {'\\', 1, 0, 'X'}, {'-', 0, 1, '*'}, {'|', 1, 1, '+'},
                 {'|', 1, 2, '|'}, {'|', 2, 1, '|'},  {'|', -1, 0, '|'}, {'|', 0, -1, '|'}};
    for (const Case &test : cases)
        EXPECT_EQ(test.joined, LineCompound(test.line, back, test.col, test.row)) << test.col << "," << test.row;
    preferences.compounds = 0;
    EXPECT_EQ('|', LineCompound('|', back, 0, 0));
    PageKill(back);
}
