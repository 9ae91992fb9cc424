#include "page/page.h"

#include <gtest/gtest.h>

#include "base/memory.h"
#include "tests/page/page_test_support.h"
#include "tests/support/font_cell.h"
#include "tests/support/reports.h"

namespace {

// Blits `source` onto `dest` at (atCol, atRow) from (fromCol, fromRow) and returns the result.
Rows Blit(const Rows &dest, int atCol, int atRow, const Rows &source, int fromCol, int fromRow, Transparency rule)
{
    Page to, from;
    EXPECT_EQ(0u, PageFromRows(to, dest));
    EXPECT_EQ(0u, PageFromRows(from, source));
    PageDataBlit(to.data, to.width, to.height, atCol, atRow, from.data, from.width, from.height, fromCol, fromRow,
                 rule);
    Rows result = PageRows(to);
    PageKill(to);
    PageKill(from);
    return result;
}

// The cell rule written as a test oracle: what ends up on `below`.
unsigned char ReferenceCell(unsigned char below, unsigned char source, int rule)
{
    bool writes[] = {true, source != 0, source != 0 && source != ' ', true, false};
    if (!writes[rule])
        return below;
    return rule == opaque && !source ? ' ' : source;
}

// One blit into exact-size blocks (so the sanitizer sees any stray write),
// each destination cell checked against the source cell that should land on it.
void CheckBlit(int destWidth, int destHeight, int atCol, int atRow, int sourceWidth, int sourceHeight, int fromCol,
               int fromRow, int rule)
{
    std::vector<unsigned char> dest(destWidth * destHeight), source(sourceWidth * sourceHeight);
    for (std::size_t i = 0; i < dest.size(); ++i)
        dest[i] = "q \0r"[i % 4];
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = "\0a b"[i % 4];
    std::vector<unsigned char> expected = dest;
    // Sizes up to 5 and origins down to -6 keep every landing offset below 16.
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c) {
            int dc = atCol + c, dr = atRow + r, sc = fromCol + c, sr = fromRow + r;
            if (dc >= 0 && dc < destWidth && dr >= 0 && dr < destHeight && sc >= 0 && sc < sourceWidth && sr >= 0 &&
                sr < sourceHeight)
                expected[dr * destWidth + dc] =
                    ReferenceCell(dest[dr * destWidth + dc], source[sr * sourceWidth + sc], rule);
        }
    PageDataBlit(dest.data(), destWidth, destHeight, atCol, atRow, source.data(), sourceWidth, sourceHeight, fromCol,
                 fromRow, static_cast<Transparency>(rule));
    EXPECT_EQ(expected, dest) << destWidth << "x" << destHeight << " at " << atCol << "," << atRow << " from "
                              << sourceWidth << "x" << sourceHeight << " at " << fromCol << "," << fromRow
                              << " rule " << rule;
}

} // namespace

TEST(Page, NewKillAndCells)
{
    Page page;
    ASSERT_EQ(0u, PageNew(page, 4, 3));
    PageCheck(page);
    EXPECT_EQ((Rows{"....", "....", "...."}), PageRows(page));
    BlankRectPage(page, 1, 1, 3, 3);
    BlankRectPage(page, 2, 0, 2, 3); // empty range
    BlankRectPage(page, 3, 0, 1, 3); // inverted range
    EXPECT_EQ((Rows{"....", ".  .", ".  ."}), PageRows(page));
    PageKill(page);
    EXPECT_EQ(nullptr, page.data);
    EXPECT_EQ(4, page.width);
    for (auto size : {std::pair(0, 0), std::pair(0, 5), std::pair(5, 0)}) {
        ASSERT_EQ(0u, PageNew(page, size.first, size.second));
        PageCheck(page);
        PageKill(page);
    }
    PageKill(page); // a killed page may be killed again

    FailEachAllocation([&] {
        Page made = {7, 9, nullptr};
        ErrorCode error = PageNew(made, 3, 2);
        if (error) {
            EXPECT_TRUE(made.width == 7 && made.height == 9 && !made.data);
        } else {
            PageKill(made);
        }
        return error;
    });
}

TEST(Page, Resize)
{
    struct Case {
        int width, height;
        Rows after;
    } cases[] = {
        {4, 3, {"ab..", ". ..", "...."}}, // wider and taller: cells stay put, empty ones too
        {1, 2, {"a", "."}},               // narrower and shorter: right and bottom cut
        {2, 3, {"ab", ". ", ".."}},       // taller only, in place
        {2, 1, {"ab"}},                   // shorter only
        {2, 2, {"ab", ". "}},             // unchanged
    };
    for (const Case &test : cases) {
        Page page;
        ASSERT_EQ(0u, PageFromRows(page, {"ab", ". "}));
        EXPECT_EQ(0u, PageResize(page, test.width, test.height));
        PageCheck(page);
        EXPECT_EQ(test.after, PageRows(page)) << test.width << " x " << test.height;
        PageKill(page);
    }

    for (auto size : {std::pair(3, 2), std::pair(2, 5), std::pair(2, 1), std::pair(0, 4)}) {
        int failures = FailEachAllocation([&] {
            Page page;
            ErrorCode error = PageFromRows(page, {"ab", ". "});
            if (error)
                return error;
            Page before = page;
            std::string bytes = PageBytes(page);
            error = PageResize(page, size.first, size.second);
            if (error) {
                EXPECT_TRUE(page.width == before.width && page.height == before.height && page.data == before.data);
                EXPECT_EQ(bytes, PageBytes(page));
            }
            PageKill(page);
            return error;
        });
        EXPECT_EQ(4, failures) << "the page's and the resize's allocations, alone and with all after";
    }
}

TEST(Page, BlitClipsOrigins)
{
    Rows dest = {".....", "....."}, source = {"abcdef", "ghijkl"};
    // atCol -3: source columns from fromCol + 3 land at column 0.
    EXPECT_EQ((Rows{"efg..", "....."}), Blit(dest, -3, 0, {"abcdefg"}, 1, 0, directCopy));
    // fromCol -2: source column 0 lands at atCol + 2.
    EXPECT_EQ((Rows{"...ab", "....."}), Blit(dest, 1, 0, {"ab"}, -2, 0, directCopy));
    EXPECT_EQ((Rows{"hijkl", "....."}), Blit(dest, 0, -1, source, 1, 0, directCopy));
    EXPECT_EQ((Rows{".....", "abcde"}), Blit(dest, 0, 0, source, 0, -1, directCopy));
    // Both negative on one axis: the larger shift wins.
    EXPECT_EQ((Rows{"..abc", "..ghi"}), Blit(dest, -3, 0, source, -5, 0, directCopy));
    // Origins beyond the destination or the source write nothing.
    EXPECT_EQ(dest, Blit(dest, 5, 0, source, 0, 0, directCopy));
    EXPECT_EQ(dest, Blit(dest, 0, 2, source, 0, 0, directCopy));
    EXPECT_EQ(dest, Blit(dest, 0, 0, source, 6, 0, directCopy));
    EXPECT_EQ(dest, Blit(dest, -5, 0, source, 1, 0, directCopy));
}

TEST(Page, BlitTransparencyRules)
{
    Rows below = {"xyzw"}, source = {"a .b"};
    EXPECT_EQ((Rows{"a  b"}), Blit(below, 0, 0, source, 0, 0, opaque));
    EXPECT_EQ((Rows{"a zb"}), Blit(below, 0, 0, source, 0, 0, nullTransparent));
    EXPECT_EQ((Rows{"ayzb"}), Blit(below, 0, 0, source, 0, 0, spaceTransparent));
    EXPECT_EQ((Rows{"a .b"}), Blit(below, 0, 0, source, 0, 0, directCopy));
    EXPECT_EQ(below, Blit(below, 0, 0, source, 0, 0, ignoreFront));
    EXPECT_EQ(below, Blit(below, 0, 0, source, 0, 0, static_cast<Transparency>(9)));
}

TEST(Page, BlitMatchesCellByCellReference)
{
    const int sizes[] = {0, 1, 2, 5};
    for (int destWidth : sizes)
        for (int destHeight : sizes)
            for (int sourceWidth : sizes)
                for (int sourceHeight : {0, 1, 3})
                    for (int at = -6; at <= 6; at += 2)
                        for (int from = -5; from <= 5; from += 2)
                            for (int rule = 0; rule <= ignoreFront; ++rule)
                                // Rows use the origins crosswise, so each axis meets every sign pairing.
                                CheckBlit(destWidth, destHeight, at, from, sourceWidth, sourceHeight, from, -at / 2,
                                          rule);
}

TEST(Page, MergeAndLift)
{
    Page page, shape, lifted;
    ASSERT_EQ(0u, PageFromRows(page, {"abcd", "efgh", "ijkl"}));
    ASSERT_EQ(0u, PageFromRows(shape, {"*.", ".*"}));
    PageMerge(page, shape, 2, 1, nullTransparent);
    EXPECT_EQ((Rows{"abcd", "ef*h", "ijk*"}), PageRows(page));
    PageMerge(page, shape, -1, -1, opaque);
    EXPECT_EQ((Rows{"*bcd", "ef*h", "ijk*"}), PageRows(page));
    // A lifted empty cell becomes a space; cells past the source's edge get nothing.
    page.data[5] = 0;
    ASSERT_EQ(0u, PageNew(lifted, 3, 2));
    PageLift(lifted, page, 1, 1);
    EXPECT_EQ((Rows{" *h", "jk*"}), PageRows(lifted));
    PageKill(lifted);
    ASSERT_EQ(0u, PageNew(lifted, 3, 2));
    PageLift(lifted, page, 2, 2);
    EXPECT_EQ((Rows{"k*.", "..."}), PageRows(lifted));
    PageKill(page);
    PageKill(shape);
    PageKill(lifted);
}

TEST(Page, AutoReduce)
{
    Page page;
    ASSERT_EQ(0u, PageNew(page, 10, 10));
    BlankRectPage(page, 0, 0, 10, 4);
    CellRect rect = {1, 2, 9, 10};
    PageAutoReduce(page, rect, true);
    EXPECT_EQ((std::vector<int>{1, 2, 9, 10}), (std::vector<int>{rect.left, rect.top, rect.right, rect.bottom}))
        << "only spaces and empty cells";

    page.data[7 * 10 + 5] = 'x';
    page.data[9 * 10 + 9] = 'y'; // outside the rectangles asked about
    for (bool fromsToo : {true, false}) {
        rect = {1, 2, 9, 9};
        PageAutoReduce(page, rect, fromsToo);
        std::vector<int> expected = {fromsToo ? 5 : 1, fromsToo ? 7 : 2, 6, 8};
        EXPECT_EQ(expected, (std::vector<int>{rect.left, rect.top, rect.right, rect.bottom}));
    }
    page.data[3 * 10 + 2] = 'z';
    rect = {0, 0, 9, 9};
    PageAutoReduce(page, rect, true);
    EXPECT_EQ((std::vector<int>{2, 3, 6, 8}), (std::vector<int>{rect.left, rect.top, rect.right, rect.bottom}));
    PageKill(page);
}

TEST(Page, SizedRectFootprints)
{
    Page page = {20, 10, nullptr};
    struct Case {
        int fontW, fontH, atCol, atRow, size;
        int vertSize, fromCol, fromRow, toCol, toRow;
    } cases[] = {
        {7, 15, 5, 5, 1, 1, 5, 5, 6, 6},       // one cell
        {15, 15, 5, 5, 1, 1, 5, 5, 6, 6},      // one cell while cells are square
        {7, 15, 5, 5, 2, 1, 5, 5, 7, 6},       // even: one more to the right
        {7, 15, 5, 5, 3, 2, 4, 5, 7, 7},       // 3 columns look like 2 rows
        {7, 15, 5, 5, 12, 6, 0, 3, 12, 9},     // (12 * 7 + 14) / 15 rounds up
        {10, 10, 5, 5, 4, 4, 4, 4, 8, 8},
        {7, 15, 0, 0, 5, 3, 0, 0, 3, 2},       // clipped at the top left
        {7, 15, 19, 9, 5, 3, 17, 8, 20, 10},   // clipped at the bottom right
    };
    for (const Case &test : cases) {
        FontCell font(test.fontW, test.fontH);
        int vertSize, fromCol, fromRow, toCol, toRow;
        GetSizedRect(page, test.atCol, test.atRow, test.size, vertSize, fromCol, fromRow, toCol, toRow);
        EXPECT_EQ((std::vector<int>{test.vertSize, test.fromCol, test.fromRow, test.toCol, test.toRow}),
                  (std::vector<int>{vertSize, fromCol, fromRow, toCol, toRow}))
            << "size " << test.size << " at " << test.atCol << "," << test.atRow;
    }
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
        {10, 10, 1, 1, 3, true, {"###.", "###.", "###.", "...."}},
        {10, 10, 1, 1, 2, true, {"....", ".##.", ".##.", "...."}},
        {7, 15, 1, 1, 1, true, {"....", ".#..", "....", "...."}},
        {10, 10, 2, 2, 5, true, {".###.", "#####", "#####", "#####", ".###."}},
        {7, 15, 2, 1, 6, true, {".####.", "######", ".####."}},
        {7, 15, 0, 0, 6, true, {"####", "###.", "...."}},         // clipped, ellipse unclipped
        {7, 15, -9, -9, 3, true, {"....", "....", "...."}},       // wholly outside
    };
    for (const Case &test : cases) {
        FontCell font(test.fontW, test.fontH);
        Rows blank(test.after.size(), std::string(test.after[0].size(), '.'));
        Page page;
        ASSERT_EQ(0u, PageFromRows(page, blank));
        SetCharsPage(page, test.atCol, test.atRow, '#', test.size, test.round);
        EXPECT_EQ(test.after, PageRows(page)) << "size " << test.size;
        PageKill(page);
    }
}

TEST(Page, ScaleSize)
{
    struct Case {
        int boxW, boxH, width, height, resultW, resultH;
    } cases[] = {
        {50, 50, 200, 100, 50, 25}, {50, 50, 30, 20, 30, 20},   {50, 50, 50, 50, 50, 50},
        {50, 50, 100, 400, 13, 50}, {100, 20, 15, 40, 8, 20},   {10, 30, 40, 40, 10, 10},
    };
    for (const Case &test : cases) {
        std::int16_t drawWidth = test.boxW, drawHeight = test.boxH;
        ScaleSize(drawWidth, drawHeight, test.width, test.height);
        EXPECT_EQ(test.resultW, drawWidth) << test.width << " x " << test.height;
        EXPECT_EQ(test.resultH, drawHeight) << test.width << " x " << test.height;
    }
}

TEST(Page, SizesBeyondSixteenBitsAreRefused)
{
    ReportCatcher reports;
    Page page;
    EXPECT_NE(0u, PageNew(page, 40000, 1));
    EXPECT_NE(0u, PageNew(page, 1, -1));
    EXPECT_EQ(2, reports.errors);
    ASSERT_EQ(0u, PageNew(page, 3, 2));
    EXPECT_NE(0u, PageResize(page, 3, 70000));
    EXPECT_EQ(2, page.height); // unchanged
    PageKill(page);
}
