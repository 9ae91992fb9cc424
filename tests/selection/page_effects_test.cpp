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

static Rows Reversed(Rows rows)
{
    std::reverse(rows.begin(), rows.end());
    return rows;
}

static Rows Mirrored(Rows rows)
{
    for (std::string &row : rows)
        std::reverse(row.begin(), row.end());
    return rows;
}

// Column `col` of `rows` read from the bottom up.
static std::string ColumnUp(const Rows &rows, int col)
{
    std::string text;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        text += (*row)[col];
    return text;
}

// What each rearranging effect should make of `rows`, a page `width` wide.
static Rows Reference(int code, const Rows &rows, int width)
{
    Rows result;
    switch (code) {
    case flipHorizontal: return Mirrored(rows);
    case flipVertical: return Reversed(rows);
    case rotate180: return Reversed(Mirrored(rows));
    case rotateRight: // each new row is an old column, from the bottom up
        for (int col = 0; col < width; ++col)
            result.push_back(ColumnUp(rows, col));
        return result;
    case rotateLeft:
        for (int col = width - 1; col >= 0; --col)
            result.push_back(Mirrored({ColumnUp(rows, col)})[0]);
        return result;
    case explode:
        for (const std::string &row : rows) {
            std::string text;
            for (char cell : row)
                text += std::string(1, cell) + '.';
            result.push_back(text);
        }
        return result;
    default: // implode
        for (const std::string &row : rows) {
            std::string text;
            for (std::size_t col = 0; col < row.size(); col += 2)
                text += row[col] == ' ' && col + 1 < row.size() ? row[col + 1] : row[col];
            result.push_back(text);
        }
        return result;
    }
}

static Rows Transformed(Page &page, int code)
{
    EXPECT_EQ(0u, PageTransform(page, code));
    PageCheck(page);
    return PageRows(page);
}

TEST(PageEffects, RearrangeLikeACellByCellReference)
{
    const int codes[] = {flipHorizontal, flipVertical, rotateRight, rotateLeft, rotate180, explode, implode};
    for (int code : codes) {
        for (int width : {0, 1, 2, 3, 4, 7}) {
            for (int height : {0, 1, 2, 3, 6}) {
                Page page = Pattern(width, height);
                Rows rows = PageRows(page);
                bool turned = code == rotateRight || code == rotateLeft;
                int newWidth = code == explode ? 2 * width : code == implode ? (width + 1) / 2 : width;
                Rows result = Transformed(page, code);
                EXPECT_EQ(turned ? height : newWidth, page.width) << code << " " << width << "x" << height;
                EXPECT_EQ(turned ? width : height, page.height) << code << " " << width << "x" << height;
                if (page.width && page.height) {
                    EXPECT_EQ(Reference(code, rows, width), result) << code << " " << width << "x" << height;
                }
                PageKill(page);
            }
        }
    }
}

TEST(PageEffects, RepeatedEffectsGiveThePageBack)
{
    for (int width : {0, 1, 2, 5, 6}) {
        for (int height : {0, 1, 3, 4}) {
            Page page = Pattern(width, height);
            Rows rows = PageRows(page);
            for (int code : {flipHorizontal, flipHorizontal, flipVertical, flipVertical, rotate180, rotate180})
                Transformed(page, code);
            EXPECT_EQ(rows, PageRows(page));
            for (int code : {rotateRight, rotateRight, rotateRight, rotateRight, rotateLeft, rotateLeft,
                             rotateLeft, rotateLeft, rotateRight, rotateLeft})
                Transformed(page, code);
            EXPECT_EQ(rows, PageRows(page));
            EXPECT_TRUE(page.width == width && page.height == height);

            // Explode then Implode: only spaces change, to empty cells.
            Transformed(page, explode);
            Rows back = Transformed(page, implode);
            for (std::string &row : rows)
                std::replace(row.begin(), row.end(), ' ', '.');
            EXPECT_EQ(rows, back) << width << "x" << height;
            PageKill(page);
        }
    }
}

TEST(PageEffects, ImplodeTakesTheSecondCellOnlyAfterASpace)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {".a bcd e", " f g  h "}));
    EXPECT_EQ((Rows{".bce", "fg h"}), Transformed(page, implode));
    PageKill(page);

    ASSERT_EQ(0u, PageFromRows(page, {"ab ", "c. "})); // a last odd space keeps no partner
    EXPECT_EQ((Rows{"a ", "c "}), Transformed(page, implode));
    PageKill(page);

    ASSERT_EQ(0u, PageFromRows(page, {"abc", "de."}));
    EXPECT_EQ((Rows{"da", "eb", ".c"}), Transformed(page, rotateRight)); // the old bottom-left cell leads
    PageKill(page);
}

TEST(PageEffects, InvertTurnsEveryCellIntoItsOppositeGrey)
{
    GrayLetters letters; // grey g shows as 'a' + g * 25 / 255
    for (int ch = 0; ch < 256; ++ch)
        charGrays[ch] = static_cast<unsigned char>(ch == 0 ? 0 : ch == ' ' ? 0 : ch == '#' ? 255 : ch);
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {". #", "a~."}));
    EXPECT_EQ((Rows{"zza", "pmz"}), Transformed(page, invert));
    EXPECT_TRUE(page.width == 3 && page.height == 2);
    PageKill(page);
}

TEST(PageEffects, AFailedAllocationLeavesThePage)
{
    for (int code : {flipHorizontal, flipVertical, rotateRight, rotateLeft, rotate180, explode, implode}) {
        int failures = FailEachAllocation([code] {
            Page page;
            ErrorCode error = PageFromRows(page, {"ab c", "de f", "ghij"});
            if (error)
                return error;
            std::string bytes = PageBytes(page);
            error = PageTransform(page, code);
            if (error) {
                EXPECT_TRUE(bytes == PageBytes(page) && page.width == 4 && page.height == 3) << code;
            }
            PageKill(page);
            return error;
        });
        EXPECT_GT(failures, 0) << code;
    }

    ReportCatcher reports; // a page too wide to explode is refused, once
    Page page = Pattern(20000, 1);
    EXPECT_NE(0u, PageTransform(page, explode));
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(20000, page.width);
    PageKill(page);
}
