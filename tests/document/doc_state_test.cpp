#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <utility>

#include "base/memory.h"
#include "document/document.h"
#include "tests/page/page_test_support.h"
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
