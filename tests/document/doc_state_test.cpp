#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <utility>

#include "base/memory.h"
#include "document/document.h"
#include "tests/page/page_test_support.h"
#include "tests/support/font_cell.h"
#include "tests/support/reports.h"

// A document holding `rows` in a window 10 x 10 cells big, with `last` a copy
// of `now` as a new one has.
static ErrorCode DocNew(Document &document, const Rows &rows)
{
    document = Document{};
    document.textRect = {0, 0, 10 * fontWidth, 10 * fontHeight};
    ErrorCode error = PageFromRows(document.now.back, rows);
    if (!error && (error = DocStateCopy(document.now, document.last)))
        PageKill(document.now.back);
    return error;
}

static void DocKill(Document &document)
{
    DocStateKill(document.last);
    DocStateKill(document.now);
}

// Makes `rows` float at (col, row), kept from a source of `format`: a block
// of 8 bytes of which 3 are used.
static ErrorCode DocFloat(DocState &state, const Rows &rows, int col, int row, DocFormat format = formatText)
{
    ErrorCode error = PageFromRows(state.front, rows);
    if (!error && !(state.handle = Allocate(error, 8)))
        PageKill(state.front);
    if (error)
        return error;
    std::memcpy(state.handle, "abcdefgh", 8);
    state.floating = 1;
    state.floatCol = static_cast<std::int16_t>(col);
    state.floatRow = static_cast<std::int16_t>(row);
    state.transparency = nullTransparent;
    state.format = format;
    state.used = 3;
    state.allocated = 8;
    return 0;
}

// Everything a state holds, pointers included, for exact comparisons.
static std::string StateImage(const DocState &state)
{
    std::ostringstream image;
    image << state.floating << ' ' << state.floatCol << ' ' << state.floatRow << ' ' << int(state.transparency)
          << ' ' << state.format << ' ' << state.used << ' ' << state.allocated << ' ' << state.tool << ' '
          << static_cast<const void *>(state.back.data) << ' ' << state.handle << ' ' << PageBytes(state.back);
    if (state.floating)
        image << static_cast<const void *>(state.front.data) << PageBytes(state.front);
    if (state.format != formatNone)
        image << std::string(static_cast<const char *>(state.handle), state.allocated);
    return image.str();
}

TEST(DocState, CopySharesNothingCopiesWholeBlocksAndKeepsNothingOnFailure)
{
    for (DocFormat format : {formatText, formatTable, formatBitmap}) {
        Document document;
        ASSERT_EQ(0u, DocNew(document, {"ab"}));
        ASSERT_EQ(0u, DocFloat(document.now, {"x"}, 1, 0, format));
        std::string source = StateImage(document.now), destination = StateImage(document.last);
        int failures = FailEachAllocation([&] {
            DocState copy = document.last;
            ErrorCode error = DocStateCopy(document.now, copy);
            EXPECT_EQ(source, StateImage(document.now));
            EXPECT_TRUE(!error || destination == StateImage(copy)) << "a failed copy keeps nothing";
            EXPECT_TRUE(error || (copy.back.data != document.now.back.data &&
                                  copy.front.data != document.now.front.data && copy.handle != document.now.handle));
            EXPECT_TRUE(error || !std::memcmp(copy.handle, "abcdefgh", 8)) << "the allocated size, not the used";
            if (!error)
                DocStateKill(copy);
            return error;
        });
        EXPECT_EQ(6, failures) << "back, front and text block, alone and with all after";
        DocKill(document);
    }
}

TEST(DocBeginAction, UndoSwapsAndAFailedSnapshotChangesNothing)
{
    Document document;
    ASSERT_EQ(0u, DocNew(document, {"ab"}));
    ASSERT_EQ(0u, DocBeginAction(document));
    EXPECT_EQ(1, document.windowDirty);
    document.now.back.data[0] = 'X';
    std::swap(document.now, document.last);
    EXPECT_EQ(Rows{"ab"}, PageRows(document.now.back));
    DocKill(document);
    for (bool grown : {false, true}) {
        int beginFailures = 0;
        FailEachAllocation([&] {
            Document document;
            ErrorCode error = DocNew(document, {"ab", "cd"});
            // A taller `now` makes the snapshot grow `last`'s back block;
            // `last`'s own floating page must survive a failure.
            if (!error && grown && !(error = DocPageExtend(document, false, 3)) &&
                !(error = DocFloat(document.now, {"x"}, 1, 0)))
                error = DocFloat(document.last, {"y"}, 0, 0, formatTable);
            if (!error) {
                std::string now = StateImage(document.now), last = StateImage(document.last);
                error = DocBeginAction(document);
                beginFailures += error != 0;
                EXPECT_TRUE(error ? now == StateImage(document.now) && last == StateImage(document.last) &&
                                        !document.windowDirty
                                  : PageBytes(document.now.back) == PageBytes(document.last.back) &&
                                        document.now.floating == document.last.floating);
            }
            DocKill(document);
            return error;
        });
        EXPECT_EQ(grown ? 6 : 0, beginFailures) << "front, text block and back growth, alone and with all after";
    }
}

TEST(DocFrontPageDrop, LaysDownGrowsDownwardAndCutsAtTheRight)
{
    struct Case {
        bool freeUp, keepFront;
        Transparency transparency;
        int col, row;
        Rows back;
    } cases[] = {
        {true, true, nullTransparent, 3, 3, {"abcd", "efgh", "....", "...x", "...z"}}, // three rows more
        {false, true, opaque, 1, 0, {"axyd", "ez h"}},                                 // empty cells as spaces
        {true, false, nullTransparent, 1, 0, {"abcd", "efgh"}},
        {false, false, nullTransparent, 1, 0, {"abcd", "efgh"}},
        {true, true, ignoreFront, 1, 0, {"abcd", "efgh"}},
    };
    for (const Case &test : cases) {
        Document document;
        ASSERT_EQ(0u, DocNew(document, {"abcd", "efgh"}));
        long live = MemoryLiveBlocks();
        ASSERT_EQ(0u, DocFloat(document.now, {"xy", "z."}, test.col, test.row));
        document.now.transparency = test.transparency;
        EXPECT_EQ(0u, DocFrontPageDrop(document, test.freeUp, test.keepFront));
        EXPECT_EQ(test.back, PageRows(document.now.back));
        EXPECT_EQ(!test.freeUp, document.now.floating);
        EXPECT_EQ(test.freeUp ? formatNone : formatText, document.now.format);
        EXPECT_EQ(test.freeUp ? live : live + 2, MemoryLiveBlocks()) << "front and kept source released";
        DocKill(document);
    }
    int dropFailures = 0;
    FailEachAllocation([&] { // a failed growth lays nothing down but still frees up
        Document document;
        ErrorCode error = DocNew(document, {"ab"});
        if (!error && !(error = DocFloat(document.now, {"x"}, 0, 1))) {
            error = DocFrontPageDrop(document, true, true);
            dropFailures += error != 0;
            EXPECT_EQ(error ? Rows{"ab"} : (Rows{"ab", "x."}), PageRows(document.now.back));
            EXPECT_EQ(0, document.now.floating);
        }
        DocKill(document);
        return error;
    });
    EXPECT_EQ(2, dropFailures);
}

TEST(DocPageExtend, GrowsOnlyDownwardAndRecountsVisibleRows)
{
    Document document;
    ASSERT_EQ(0u, DocNew(document, {"ab", "cd", "ef", "gh"}));
    ASSERT_EQ(0u, DocFloat(document.now, {"x"}, 0, 0));
    document.textRows = 99;
    EXPECT_EQ(0u, DocPageExtend(document, false, 3));
    EXPECT_EQ(99, document.textRows) << "no growth, nothing recounted";
    EXPECT_EQ(0u, DocPageExtend(document, false, 7));
    EXPECT_EQ(7, document.textRows) << "limited to the page";
    EXPECT_EQ(0u, DocPageExtend(document, false, 20));
    EXPECT_EQ(10, document.textRows) << "limited to the window";
    EXPECT_EQ(0u, DocPageExtend(document, true, 5));
    EXPECT_EQ((Rows{"x", ".", ".", ".", "."}), PageRows(document.now.front));
    EXPECT_TRUE(document.now.back.height == 20 && document.now.back.width == 2);
    DocKill(document);
}

// A 4 x 3 back page seen through a character area at (20, 30) in cells of
// 7 x 15 pixels; a front page of 2 rows may float at row 4.
static Document CellDocument(bool floating, int scrollCol = 0, int scrollRow = 0)
{
    Document document{};
    document.textRect = {20, 30, 90, 105};
    document.scrollCol = static_cast<std::int16_t>(scrollCol);
    document.scrollRow = static_cast<std::int16_t>(scrollRow);
    document.now.back = {4, 3, nullptr};
    document.now.front = {1, 2, nullptr};
    document.now.floating = floating;
    document.now.floatRow = 4;
    return document;
}

TEST(DocCells, PositionsAndCellsMapBothWays)
{
    FontCell font(7, 15);
    int x, y, col, row;
    DocCellToPos(CellDocument(false, 2, 5), 3, 6, x, y);
    EXPECT_TRUE(x == 27 && y == 45);
    struct Case {
        int scroll, x, y;
        PinMode mode;
        int col, row;
        bool inside;
    } cases[] = {
        {5, 33, 59, pinNone, 6, 6, true},      // anywhere in the cell
        {5, 17, 25, pinNone, 5, 5, true},      // less than a cell before the area: the first visible
        {0, 17, 31, pinPage, 0, 0, true},
        {0, -500, 9000, pinPage, 0, 2, false},
        {0, -500, 9000, pinNone, -74, 598, true},
    };
    for (const Case &test : cases) {
        EXPECT_EQ(test.inside, DocPosToCell(CellDocument(false, test.scroll, test.scroll), test.x, test.y, col, row,
                                            test.mode));
        EXPECT_TRUE(col == test.col && row == test.row) << test.x << "," << test.y << " gave " << col << "," << row;
    }
}

TEST(DocCells, PinModes)
{
    FontCell font(7, 15);
    struct Case {
        bool floating;
        int col, row;
        PinMode mode;
        int pinnedCol, pinnedRow;
        bool inside;
    } cases[] = {
        {false, 1, 2, pinPage, 1, 2, true},           {false, -1, 1, pinPage, 0, 1, false},
        {false, 4, 1, pinPage, 3, 1, false},          {false, 1, -2, pinPage, 1, 0, false},
        {false, 1, 3, pinPage, 1, 2, false},          {false, 1, 900, pinBelowPage, 1, 900, true},
        {false, 9, 900, pinBelowPage, 3, 900, false}, {false, 1, -1, pinBelowPage, 1, 0, false},
        {true, 1, 5, pinFloating, 1, 5, true},        {true, 1, 6, pinFloating, 1, 5, false},
        {false, 1, 3, pinFloating, 1, 2, false},      {true, 1, 2, pinFloating, 1, 2, true},
        {true, -9, 900, pinNone, -9, 900, true},
    };
    for (const Case &test : cases) {
        int col = test.col, row = test.row;
        EXPECT_EQ(test.inside, DocPinCell(CellDocument(test.floating), col, row, test.mode));
        EXPECT_TRUE(col == test.pinnedCol && row == test.pinnedRow) << test.col << "," << test.row;
    }
}

TEST(DocCells, MakeRectangleOrdersCornersAndWidensFarEdges)
{
    int rights[] = {7, 8, 7, 8}, bottoms[] = {5, 5, 6, 6};
    for (WholeMode mode : {wholeNone, wholeCol, wholeRow, wholeBoth}) {
        CellRect rect;
        MakeRectangle(rect, 7, 2, 3, 5, mode);
        EXPECT_TRUE(rect.left == 3 && rect.top == 2 && rect.right == rights[mode] && rect.bottom == bottoms[mode]);
    }
}
