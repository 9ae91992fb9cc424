#include "page/big_text_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "base/preferences.h"
#include "tests/page/page_test_support.h"

namespace {

struct Style {
    unsigned char character;
    bool bold, italic;
};

// One line of text drawn at 40 pixels to the em in "Arial", 40 columns wide.
Rows Big(const std::string &text, Style style = {0, false, false})
{
    Page page;
    EXPECT_EQ(0u, BigTextToPage(page, 40, justLeft, "Arial", 40, style.bold, style.italic,
                                reinterpret_cast<const unsigned char *>(text.data()), text.size(), style.character));
    Rows rows = PageRows(page);
    PageKill(page);
    return rows;
}

std::set<char> Used(const Rows &rows)
{
    std::set<char> used;
    for (const std::string &row : rows)
        used.insert(row.begin(), row.end());
    used.erase('.');
    return used;
}

int Count(const Rows &rows)
{
    int count = 0;
    for (const std::string &row : rows)
        count += static_cast<int>(std::count_if(row.begin(), row.end(), [](char c) { return c != '.'; }));
    return count;
}

// The first and last used column of the first and the last row that has any.
struct Ends {
    std::size_t topFirst, topLast, bottomFirst, bottomLast;
};

Ends Outline(const Rows &rows)
{
    auto used = [](const std::string &row) { return row.find_first_not_of('.') != std::string::npos; };
    const std::string &top = *std::find_if(rows.begin(), rows.end(), used);
    const std::string &bottom = *std::find_if(rows.rbegin(), rows.rend(), used);
    return {top.find_first_not_of('.'), top.find_last_not_of('.'), bottom.find_first_not_of('.'),
            bottom.find_last_not_of('.')};
}

Rows Replaced(Rows rows, char from, char to)
{
    for (std::string &row : rows)
        std::replace(row.begin(), row.end(), from, to);
    return rows;
}

} // namespace

TEST(BigTextWin, LettersOfThemselvesOrOfTheDrawingCharacter)
{
    Rows a = Big("A");
    EXPECT_GT(a.size(), 40u) << "40 pixels is the em height; a line is taller";
    EXPECT_EQ(std::set<char>{'A'}, Used(a));
    Ends ends = Outline(a); // narrow at the apex, wide at the feet
    EXPECT_LT(ends.topLast - ends.topFirst + 8, ends.bottomLast - ends.bottomFirst);
    EXPECT_EQ(Replaced(a, 'A', '#'), Big("A", {'#', false, false}));

    Rows folded = Big("\xC9");
    EXPECT_EQ(std::set<char>{'E'}, Used(folded));
    preferences.allowNonASCII = 1;
    EXPECT_EQ(Replaced(folded, 'E', '\xC9'), Big("\xC9"));
    preferences.allowNonASCII = 0;
}

TEST(BigTextWin, BoldAndItalic)
{
    Rows plain = Big("l");
    EXPECT_GT(Count(Big("l", {0, true, false})), Count(plain) * 5 / 4);
    Ends upright = Outline(plain), slanted = Outline(Big("l", {0, false, true}));
    EXPECT_EQ(upright.topFirst, upright.bottomFirst);
    EXPECT_GT(slanted.topFirst, slanted.bottomFirst + 3);
}
