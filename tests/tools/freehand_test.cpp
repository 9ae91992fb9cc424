#include "tools/freehand.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/memory.h"
#include "base/preferences.h"
#include "tests/page/page_test_support.h"
#include "tests/support/font_cell.h"
#include "tests/support/reports.h"

typedef std::vector<std::pair<int, int>> Cells;

// A stroke over a page of `rows` walked through `cells` as the pointer would
// be, then laid down; the pen covers as many rows as columns.
static Rows Stroke(const Rows &rows, const Cells &cells, bool erase = false)
{
    FontCell font(8, 8);
    Document document = {};
    EXPECT_EQ(0u, PageFromRows(document.now.back, rows));
    EXPECT_EQ(0u, StrokeFloat(document));
    PencilTrack tracker = {};
    StrokeWalk walk = {};
    for (const auto &cell : cells)
        StrokeWalkTo(walk, cell.first, cell.second, [&](int col, int row) {
            erase ? RubberPoint(&document, col, row) : PencilPoint(&document, col, row, '*', tracker);
        });
    EXPECT_EQ(0u, DocFrontPageDrop(document, true, true));
    Rows result = PageRows(document.now.back);
    DocStateKill(document.now);
    return result;
}

TEST(Freehand, AutomaticCharactersFollowTheStroke)
{
    Restore kept(preferences);
    const Rows empty = {".....", ".....", "....."};
    struct Case {
        Cells cells;
        Rows rows;
    } cases[] = {
        {{{1, 1}}, {".....", ". ...", "....."}}, // no direction yet
        {{{0, 1}, {1, 1}}, {".....", " -...", "....."}},
        {{{0, 1}, {3, 1}}, {".....", "----.", "....."}},
        {{{0, 0}, {2, 2}}, {"\\....", ".\\...", "..\\.."}},
        {{{0, 2}, {2, 0}}, {"../..", "./...", "/...."}},
        // Diagonal steps first, then straight; a pointer that stays adds no cell.
        {{{0, 0}, {0, 0}, {3, 1}, {3, 1}}, {"-....", ".-\\-.", "....."}},
    };
    for (const Case &test : cases) {
        preferences.pencilAuto = 1;
        EXPECT_EQ(test.rows, Stroke(empty, test.cells));
    }
}

TEST(Freehand, PensBySizeAndShape)
{
    Restore kept(preferences);
    const Rows empty = {"......", "......", "......", "......", "......"};
    struct Case {
        std::uint16_t param;
        Rows rows;
    } cases[] = {
        {0x8002, {"......", "......", "...**.", "...**.", "......"}},
        {0xC003, {"......", "..***.", "..***.", "..***.", "......"}},
        {0xC004, {"......", "...**.", "..****", "..****", "...**."}},
    };
    for (const Case &test : cases) {
        preferences.pencilParam = test.param;
        EXPECT_EQ(test.rows, Stroke(empty, {{3, 2}})) << test.param;
    }
    // The rubber has a pen of its own and leaves spaces, not empty cells.
    preferences.rubberParam = 0xC004;
    EXPECT_EQ((Rows{"xxxxxx", "xxx  x", "xx    ", "xx    ", "xxx  x"}),
              Stroke({"xxxxxx", "xxxxxx", "xxxxxx", "xxxxxx", "xxxxxx"}, {{3, 2}}, true));

    // A cell the floating page cannot grow for is skipped; the stroke goes on.
    preferences.pencilParam = 0xC001;
    ReportCatcher reports;
    MemoryFailAt(3); // after the page and the floating page
    EXPECT_EQ((Rows{"*.*", "**."}), Stroke({"...", "..."}, {{0, 0}, {0, 2}, {2, 0}}));
    MemoryFailAt(0);
    EXPECT_EQ(1, reports.errors);
}
