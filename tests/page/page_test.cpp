#include "page/page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/preferences.h"
#include "page/line_characters.h"
#include "tests/page/page_test_support.h"
#include "tests/support/font_cell.h"
#include "tests/support/reports.h"
#include "tests/support/restore.h"

typedef std::vector<int> Ints;

TEST(Page, NewBlankAndKill)
{
    Page page;
    ASSERT_EQ(0u, PageNew(page, 4, 3));
    BlankRectPage(page, 1, 1, 3, 3);
    BlankRectPage(page, 3, 0, 1, 3); // an inverted range blanks nothing
    EXPECT_EQ((Rows{"....", ".  .", ".  ."}), PageRows(page));
    PageKill(page);
    PageKill(page); // a killed page may be killed again
    ReportCatcher reports; // sizes beyond 16 bits are refused
    EXPECT_TRUE(PageNew(page, 40000, 1) && PageNew(page, 1, -1) && reports.errors == 2);
    FailEachAllocation([&] {
        Page made = {7, 9, nullptr};
        ErrorCode error = PageNew(made, 0, 2);
        EXPECT_TRUE(error ? made.width == 7 && !made.data : made.data && !made.width);
        PageKill(made);
        return error;
    });
}

TEST(Page, ResizeKeepsCellsInPlace)
{
    struct Case {
        int width, height;
        Rows after;
    } cases[] = {{4, 3, {"ab..", ". ..", "...."}}, {1, 2, {"a", "."}}, {2, 1, {"ab"}}, {2, 2, {"ab", ". "}}};
    for (const Case &test : cases) {
        int failures = FailEachAllocation([&] {
            Page page;
            ErrorCode error = PageFromRows(page, {"ab", ". "});
            if (error)
                return error;
            error = PageResize(page, test.width, test.height);
            PageCheck(page);
            EXPECT_EQ(error ? (Rows{"ab", ". "}) : test.after, PageRows(page)) << test.width << " x " << test.height;
            PageKill(page);
            return error;
        });
        EXPECT_EQ(test.width == 2 && test.height == 2 ? 2 : 4, failures) << "the resize allocates, unless to the same size";
    }
    ReportCatcher reports;
    Page page;
    ASSERT_EQ(0u, PageNew(page, 3, 2));
    EXPECT_NE(0u, PageResize(page, 3, 70000));
    EXPECT_EQ(2, page.height);
    PageKill(page);
}

// The cell rule written as a test oracle: what ends up on `below`.
static unsigned char ReferenceCell(unsigned char below, unsigned char source, int rule)
{
    bool writes[] = {true, source != 0, source != 0 && source != ' ', true, false};
    if (!writes[rule])
        return below;
    return rule == opaque && !source ? ' ' : source;
}

// Blits into exact-size blocks (so that the sanitizer sees any stray write)
// checked cell by cell against the reference, over sizes 0 to 5, every rule
// and origins on both sides of each edge.
TEST(Page, BlitMatchesCellByCellReference)
{
    const int sizes[] = {0, 1, 2, 5};
    for (int destWidth : sizes)
        for (int destHeight : sizes)
            for (int sourceWidth : sizes)
                for (int sourceHeight : {0, 1, 3})
                    for (int at = -6; at <= 6; at += 2)
                        for (int from = -5; from <= 5; from += 2)
                            for (int rule = 0; rule <= ignoreFront; ++rule) {
                                // Rows use the origins crosswise, so each axis meets every sign pairing.
                                int atCol = at, atRow = from, fromCol = from, fromRow = -at / 2;
                                std::vector<unsigned char> dest(destWidth * destHeight),
                                    source(sourceWidth * sourceHeight);
                                for (std::size_t i = 0; i < dest.size(); ++i)
                                    dest[i] = "q \0r"[i % 4];
                                for (std::size_t i = 0; i < source.size(); ++i)
                                    source[i] = "\0a b"[i % 4];
                                std::vector<unsigned char> expected = dest;
                                for (int r = 0; r < 16; ++r)
                                    for (int c = 0; c < 16; ++c) {
                                        int dc = atCol + c, dr = atRow + r, sc = fromCol + c, sr = fromRow + r;
                                        if (dc >= 0 && dc < destWidth && dr >= 0 && dr < destHeight && sc >= 0 &&
                                            sc < sourceWidth && sr >= 0 && sr < sourceHeight)
                                            expected[dr * destWidth + dc] = ReferenceCell(
                                                dest[dr * destWidth + dc], source[sr * sourceWidth + sc], rule);
                                    }
                                PageDataBlit(dest.data(), destWidth, destHeight, atCol, atRow, source.data(),
                                             sourceWidth, sourceHeight, fromCol, fromRow,
                                             static_cast<Transparency>(rule));
                                ASSERT_EQ(expected, dest) << destWidth << "x" << destHeight << " at " << atCol
                                                          << "," << atRow << " from " << sourceWidth << "x"
                                                          << sourceHeight << " at " << fromCol << "," << fromRow
                                                          << " rule " << rule;
                            }
}

TEST(Page, MergeAndLift)
{
    Page page, shape, lifted;
    ASSERT_EQ(0u, PageFromRows(page, {"abcd", "efgh", "ijkl"}));
    ASSERT_EQ(0u, PageFromRows(shape, {"*.", ".*"}));
    PageMerge(page, shape, 2, 1, nullTransparent);
    PageMerge(page, shape, -1, -1, opaque);
    EXPECT_EQ((Rows{"*bcd", "ef*h", "ijk*"}), PageRows(page));
    page.data[5] = 0; // a lifted empty cell becomes a space; cells past the source's edge get nothing
    for (auto [col, row, rows] : {std::tuple(1, 1, Rows{" *h", "jk*"}), std::tuple(2, 2, Rows{"k*.", "..."})}) {
        ASSERT_EQ(0u, PageNew(lifted, 3, 2));
        PageLift(lifted, page, col, row);
        EXPECT_EQ(rows, PageRows(lifted));
        PageKill(lifted);
    }
    PageKill(page);
    PageKill(shape);
}

TEST(Page, AutoReduceToTheUsedCells)
{
    Page page;
    ASSERT_EQ(0u, PageNew(page, 10, 10));
    BlankRectPage(page, 0, 0, 10, 4);
    auto reduced = [&](CellRect rect, bool fromsToo) {
        PageAutoReduce(page, rect, fromsToo);
        return Ints{rect.left, rect.top, rect.right, rect.bottom};
    };
    EXPECT_EQ((Ints{1, 2, 9, 10}), reduced({1, 2, 9, 10}, true)) << "only spaces and empty cells";
    page.data[7 * 10 + 5] = 'x';
    page.data[9 * 10 + 9] = 'y'; // outside the rectangles asked about
    EXPECT_EQ((Ints{5, 7, 6, 8}), reduced({1, 2, 9, 9}, true));
    EXPECT_EQ((Ints{1, 2, 6, 8}), reduced({1, 2, 9, 9}, false));
    EXPECT_EQ((Ints{5, 7, 6, 8}), reduced({5, 7, 9, 9}, true));
    page.data[3 * 10 + 2] = 'z';
    EXPECT_EQ((Ints{2, 3, 6, 8}), reduced({0, 0, 9, 9}, true));
    PageKill(page);
}

TEST(Page, SetCharsPens)
{
    struct Case {
        int fontW, fontH, atCol, atRow, size;
        bool round;
        Rows after;
    } cases[] = {
        {10, 10, 1, 1, 4, true, {".##.", "####", "####", ".##."}}, // corners left
        {10, 10, 1, 1, 4, false, {"####", "####", "####", "####"}},
        {10, 10, 1, 1, 2, true, {"....", ".##.", ".##.", "...."}},
        {10, 10, 2, 2, 5, true, {".###.", "#####", "#####", "#####", ".###."}},
        {7, 15, 2, 1, 6, true, {".####.", "######", ".####."}},
        {7, 15, 0, 0, 6, true, {"####", "###.", "...."}}, // clipped, ellipse unclipped
    };
    for (const Case &test : cases) {
        FontCell font(test.fontW, test.fontH);
        Page page;
        ASSERT_EQ(0u, PageFromRows(page, Rows(test.after.size(), std::string(test.after[0].size(), '.'))));
        SetCharsPage(page, test.atCol, test.atRow, '#', test.size, test.round);
        EXPECT_EQ(test.after, PageRows(page)) << "size " << test.size;
        PageKill(page);
    }
}

TEST(Page, ScaleSizeFitsWithoutEnlarging)
{
    const int cases[][6] = {{50, 50, 200, 100, 50, 25}, {50, 50, 50, 50, 50, 50}, {50, 50, 30, 60, 25, 50},
                            {100, 20, 15, 40, 8, 20}};
    for (const auto &test : cases) {
        std::int16_t width = test[0], height = test[1];
        ScaleSize(width, height, test[2], test[3]);
        EXPECT_TRUE(width == test[4] && height == test[5]) << test[2] << " x " << test[3];
    }
}

TEST(LineCharacters, DirectionCharacter)
{
    const std::string expected = "\\\\//||- ";
    const std::int16_t steps[][2] = {{3, 3}, {1, 7}, {3, -1}, {-32768, 32767}, {0, -2}, {0, 5}, {-4, 0}, {0, 0}};
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
    const char *pairs[] = {"-|+", "/\\X", "+/*", "*|*", "---", "a|a", "|\xAD|"};
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
    } cases[] = {{'|', 0, 0, '+'}, {'-', 0, 1, '*'}, {'|', 1, 2, '|'}, {'|', 2, 1, '|'}, {'|', -1, 0, '|'}, {'|', 0, -1, '|'}};
    for (const Case &test : cases)
        EXPECT_EQ(test.joined, LineCompound(test.line, back, test.col, test.row)) << test.col << "," << test.row;
    preferences.compounds = 0;
    EXPECT_EQ('|', LineCompound('|', back, 0, 0));
    PageKill(back);
}
