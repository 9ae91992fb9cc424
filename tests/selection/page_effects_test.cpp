#include "selection/page_effects.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/page/page_test_support.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/reports.h"

// A width x height page of distinct-looking cells, with some empty cells and spaces.
static Page Pattern(int width, int height)
{
    Page page;
    EXPECT_EQ(0u, PageNew(page, width, height));
    for (int i = 0; i < width * height; ++i)
        page.data[i] = i % 7 == 3 ? 0 : i % 5 == 2 ? ' ' : static_cast<unsigned char>('A' + i % 26);
    return page;
}

// The reference: the cell each effect puts at (c, r) of its result, from `old`.
static unsigned char ReferenceCell(int code, const Page &old, int c, int r)
{
    int width = old.width, height = old.height;
    auto at = [&](int col, int row) { return GetCharPage(old, col, row); };
    switch (code) {
    case flipHorizontal: return at(width - 1 - c, r);
    case flipVertical: return at(c, height - 1 - r);
    case rotate180: return at(width - 1 - c, height - 1 - r);
    case rotateRight: return at(r, height - 1 - c); // each new row an old column, from the bottom up
    case rotateLeft: return at(width - 1 - r, c);
    case explode: return c % 2 ? 0 : at(c / 2, r);
    default: // implode: the second of a pair only after a space, which a last odd cell has no partner for
        return at(2 * c, r) == ' ' && 2 * c + 1 < width ? at(2 * c + 1, r) : at(2 * c, r);
    }
}

TEST(PageEffects, RearrangeLikeACellByCellReferenceAndRepeatToThePage)
{
    for (int code : {flipHorizontal, flipVertical, rotateRight, rotateLeft, rotate180, explode, implode})
        for (int width : {0, 1, 2, 3, 4, 7})
            for (int height : {0, 1, 2, 3, 6}) {
                Page old = Pattern(width, height), page = Pattern(width, height);
                ASSERT_EQ(0u, PageTransform(page, code));
                PageCheck(page);
                bool turned = code == rotateRight || code == rotateLeft;
                int newWidth = code == explode ? 2 * width : code == implode ? (width + 1) / 2 : width;
                EXPECT_TRUE(page.width == (turned ? height : newWidth) && page.height == (turned ? width : height))
                    << code << " " << width << "x" << height;
                for (int r = 0; r < page.height; ++r)
                    for (int c = 0; c < page.width; ++c)
                        ASSERT_EQ(ReferenceCell(code, old, c, r), GetCharPage(page, c, r))
                            << code << " " << width << "x" << height << " at " << c << "," << r;
                PageKill(old);
                PageKill(page);
            }
    Page page = Pattern(5, 3);
    Rows rows = PageRows(page);
    for (int code : {flipHorizontal, flipHorizontal, flipVertical, flipVertical, rotate180, rotate180, rotateRight,
                     rotateRight, rotateRight, rotateRight, rotateLeft, rotateRight})
        ASSERT_EQ(0u, PageTransform(page, code));
    EXPECT_EQ(rows, PageRows(page));
    ASSERT_EQ(0u, PageTransform(page, explode)); // then Implode: only spaces change, to empty cells
    ASSERT_EQ(0u, PageTransform(page, implode));
    for (std::string &row : rows)
        std::replace(row.begin(), row.end(), ' ', '.');
    EXPECT_EQ(rows, PageRows(page));
    PageKill(page);
}

TEST(PageEffects, InvertTurnsEveryCellIntoItsOppositeGrey)
{
    GrayLetters letters; // grey g shows as 'a' + g * 25 / 255
    for (int ch = 0; ch < 256; ++ch)
        charGrays[ch] = static_cast<unsigned char>(ch == 0 ? 0 : ch == ' ' ? 0 : ch == '#' ? 255 : ch);
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {". #", "a~."}));
    ASSERT_EQ(0u, PageTransform(page, invert));
    EXPECT_EQ((Rows{"zza", "pmz"}), PageRows(page));
    PageKill(page);
}

TEST(PageEffects, AFailedAllocationLeavesThePage)
{
    for (int code : {flipHorizontal, flipVertical, rotateRight, rotateLeft, rotate180, explode, implode})
        EXPECT_GT(FailEachAllocation([code] {
            Page page;
            ErrorCode error = PageFromRows(page, {"ab c", "de f", "ghij"});
            if (error)
                return error;
            error = PageTransform(page, code);
            EXPECT_TRUE(!error || PageRows(page) == (Rows{"ab c", "de f", "ghij"})) << code;
            PageKill(page);
            return error;
        }), 0) << code;
    ReportCatcher reports; // a page too wide to explode is refused, once
    Page page = Pattern(20000, 1);
    EXPECT_NE(0u, PageTransform(page, explode));
    EXPECT_TRUE(reports.errors == 1 && page.width == 20000);
    PageKill(page);
}
