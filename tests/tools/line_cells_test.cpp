#include "tools/line_cells.h"

#include <gtest/gtest.h>

#include "base/preferences.h"
#include "tests/tools/shape_test_support.h"

// Pixels written as rows of text, '#' drawn, stored top row first.
struct TestImage {
    explicit TestImage(const Rows &rows)
    {
        image = {bytes, 4, static_cast<std::int32_t>(rows[0].size()), static_cast<std::int32_t>(rows.size())};
        for (std::size_t row = 0; row < rows.size(); ++row)
            for (std::size_t col = 0; col < rows[row].size(); ++col)
                if (rows[row][col] == '#')
                    bytes[row * 4 + col / 8] |= 0x80 >> col % 8;
    }
    unsigned char bytes[64] = {};
    BitImage image;
};

TEST(LineCells, ShiftBendsTheEndByGradient)
{
    struct Case {
        int dCol, dRow, endCol, endRow; // end relative to the start
    } cases[] = {
        {2, 1, 2, 0},    // 128: still horizontal
        {2, -1, 1, -1},  // -128: diagonal keeping the row
        {1, 1, 1, 1},    // 256: diagonal keeping the row
        {-1, 1, -1, 1},  // -256: diagonal keeping the column
        {2, 4, 2, 2},    // 512: diagonal keeping the column
        {1, -2, 0, -2},  // -512: vertical
        {3, -5, 3, -3},  // -426 after truncation: diagonal keeping the column
        {-3, -2, -2, -2},// 170: diagonal keeping the row
        {-3, -1, -3, 0}, // 85: horizontal
        {1, 3, 0, 3},    // 768: vertical
        {-7, 0, -7, 0},  // flat already
    };
    for (const Case &test : cases) {
        int endCol = 10 + test.dCol, endRow = 10 + test.dRow;
        LineConstrain(10, 10, endCol, endRow);
        EXPECT_EQ(10 + test.endCol, endCol) << test.dCol << "," << test.dRow;
        EXPECT_EQ(10 + test.endRow, endRow) << test.dCol << "," << test.dRow;
    }
}

TEST(LineCells, PenThicknessAndCompounds)
{
    FontCell font(8, 12); // a pen 2 columns wide covers 2 rows
    TestImage diagonal({"#.", ".#"});
    Page page, ref;
    ASSERT_EQ(0u, PageFromRows(ref, {"..."}));
    ASSERT_EQ(0u, PageNew(page, 4, 4));
    LineLayImage(page, ref, 0, 0, diagonal.image, 'o', 2);
    EXPECT_EQ((Rows{"oo..", "ooo.", ".oo.", "...."}), PageRows(page));
    PageKill(page);
    PageKill(ref);

    // The line lies from the reference page's (1, 1) on; its last cells lie
    // beyond that page's right edge and join nothing.
    fontHeight = 16;
    TestImage flat({"####"});
    ASSERT_EQ(0u, PageFromRows(ref, {"|.|", "..|"}));
    Restore kept(preferences);
    for (char compounds : {1, 0}) {
        preferences.compounds = compounds;
        ASSERT_EQ(0u, PageNew(page, 5, 2));
        LineLayImage(page, ref, 1, 1, flat.image, '-', 1);
        EXPECT_EQ((Rows{compounds ? "-+--." : "----.", "....."}), PageRows(page));
        PageKill(page);
    }
    PageKill(ref);
}
