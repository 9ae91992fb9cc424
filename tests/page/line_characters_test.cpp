#include "page/line_characters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory.h"
#include "base/preferences.h"
#include "tests/support/reports.h"

using Rows = std::vector<std::string>;

// A page whose rows are the given strings, all of one length.
static Page PageFrom(const Rows &rows)
{
    Page page;
    EXPECT_EQ(0u, PageNew(page, static_cast<int>(rows[0].size()), static_cast<int>(rows.size())));
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row].copy(reinterpret_cast<char *>(page.data) + row * page.width, page.width);
    return page;
}

// The page's rows, empty cells shown as dots.
static Rows PageRows(const Page &page)
{
    Rows rows(page.height);
    for (int row = 0; row < page.height; ++row) {
        for (int col = 0; col < page.width; ++col)
            rows[row] += GetCharPage(page, col, row) ? static_cast<char>(GetCharPage(page, col, row)) : '.';
    }
    return rows;
}

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
    Page page = PageFrom({"abcd", "e-gh", "ijkl"});
    ASSERT_EQ(0u, HorizontalLine(page, 2));
    ASSERT_EQ(0u, HorizontalLine(page, 5));
    EXPECT_EQ((Rows{"abcd", "e-gh", "----", "....", "....", "----"}), PageRows(page));

    ReportCatcher reports;
    MemoryFailAt(1, true);
    EXPECT_EQ(errorNoMemory, HorizontalLine(page, 7));
    MemoryFailAt(0);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(6, page.height);

    VerticalLine(page, 1);
    EXPECT_EQ((Rows{"a|cd", "e+gh", "-+--", ".|..", ".|..", "-+--"}), PageRows(page));
    PageKill(page);
}

TEST(LineCharacters, CompoundCharacter)
{
    // Row: the line's character; column: the character it is drawn over.
    const std::string lines = "-|/\\+X*";
    const Rows joints = {"-+--+**", "+|||+**", "///X*X*", "\\\\X\\*X*", "++**+**", "**XX*X*", "*******"};
    for (std::size_t line = 0; line < lines.size(); ++line) {
        for (std::size_t under = 0; under < lines.size(); ++under) {
            EXPECT_EQ(joints[line][under], CompoundCharacter(lines[line], lines[under]))
                << lines[line] << " over " << lines[under];
        }
    }
    // Anything else leaves the line's character as it is.
    EXPECT_EQ('-', CompoundCharacter('-', 'a'));
    EXPECT_EQ('-', CompoundCharacter('-', 0));
    EXPECT_EQ('|', CompoundCharacter('|', 0xAD));
    EXPECT_EQ('a', CompoundCharacter('a', '|'));
}

TEST(LineCharacters, LineCompound)
{
    char savedCompounds = preferences.compounds;
    Page back = PageFrom({"-/", "X-"});
    preferences.compounds = 1;
    EXPECT_EQ('+', LineCompound('|', back, 0, 0));
    EXPECT_EQ('/', LineCompound('/', back, 0, 0));
    EXPECT_EQ('X', LineCompound('\\', back, 1, 0));
    EXPECT_EQ('*', LineCompound('-', back, 0, 1));
    // Only cells inside the back page are joined.
    EXPECT_EQ('+', LineCompound('|', back, 1, 1));
    EXPECT_EQ('|', LineCompound('|', back, 1, 2));
    EXPECT_EQ('|', LineCompound('|', back, 2, 1));
    EXPECT_EQ('|', LineCompound('|', back, -1, 0));

    preferences.compounds = 0;
    EXPECT_EQ('|', LineCompound('|', back, 0, 0));
    preferences.compounds = savedCompounds;
    PageKill(back);
}
