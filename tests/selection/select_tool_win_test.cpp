#include "selection/select_tool_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "app/doc_commands_win.h"
#include "base/memory.h"
#include "selection/big_text_tool_win.h"
#include "page/table_conversion.h"
#include "selection/page_effects.h"
#include "selection/select_table_win.h"
#include "selection/selection_win.h"
#include "selection/text_tool_win.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/reports.h"
#include "tests/support/window_document_win.h"
#include "tools/button_classes_win.h"

// A 12 x 4 page, row 1 with empty cells, the select tool current and
// nothing floating. Each test keeps its own paths short; the user's ways
// through the tools are the end-to-end scenarios'.
class Selection : public WindowDocument {
protected:
    void SetUp() override
    {
        WindowDocument::SetUp();
        Open({"abcdefghijkl", "m..n........", "opqrstuvwxyz", "............"});
        document.now.tool = document.last.tool = toolSelect;
        theDocument = &document;
        ASSERT_EQ(0u, InitClipFormats());
    }
    void TearDown() override
    {
        SelectTemp(&document, 1, nullptr);
        WindowDocument::TearDown();
    }

    void Lift(LONG left, LONG top, LONG right, LONG bottom)
    {
        RECT rect = {left, top, right, bottom};
        ASSERT_EQ(0u, SelectLift(&document, &rect));
    }
    // Where the floating page lies and its cells, or "none"; with the back page and any typed text.
    std::string Floating()
    {
        const DocState &now = document.now;
        if (!now.floating)
            return "none";
        return std::to_string(now.floatCol) + "," + std::to_string(now.floatRow) + " " + PageBytes(now.front);
    }
    std::string Now()
    {
        const DocState &now = document.now;
        return PageBytes(now.back) + "|" + Floating() + "|" +
               (now.format == formatText ? std::string(static_cast<const char *>(now.handle), now.used) : "");
    }
    // Pastes `size` bytes as `format` through a real clipboard block.
    void Receive(UINT format, const void *data, std::size_t size)
    {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(block), data, size);
        GlobalUnlock(block);
        if (format == CF_TEXT && document.now.tool != toolSelect)
            TextReceive(&document, block, static_cast<std::uint32_t>(size));
        else
            SelectReceive(&document, block, size, format);
        GlobalFree(block);
    }
};

TEST_F(Selection, EffectsAndDeletionAreUndoableAndAFailureChangesNothing)
{
    Lift(1, 0, 4, 2); // "bcd" over ". n"
    std::string lifted = Now();
    EXPECT_EQ(0, DocumentTransform(&document, rotateRight));
    EXPECT_EQ("1,0  b cnd", Floating());
    DocumentUndo(&document);
    EXPECT_EQ(lifted, Now());
    for (int code : {flipHorizontal, rotateLeft, explode, implode, invert})
        EXPECT_GT(FailEachAllocation([&] {
            std::string before = Now();
            ErrorCode error = SelectionTransform(&document, static_cast<std::int16_t>(code));
            MemoryFailAt(0); // undoing remakes the select tool's option buttons
            if (!error)
                DocumentUndo(&document);
            EXPECT_EQ(before, Now()) << code;
            return error;
        }), 0) << code;
    for (char key : {keyClear, keyBackspace, keyEscape}) {
        SelectKey(&document, 'x'); // other keys do nothing
        SelectKey(&document, key);
        EXPECT_EQ("a   efghijkl|none", PageRows(document.now.back)[0] + "|" + Floating()) << int(key);
        DocumentUndo(&document);
        EXPECT_EQ(lifted, Now()) << int(key);
    }
    FailEachAllocationReported([&] { // without its undo step nothing is deleted
        std::string before = Now();
        SelectKey(&document, keyEscape);
        MemoryFailAt(0);
        if (Floating() == "none")
            DocumentUndo(&document);
        EXPECT_EQ(before, Now());
    });
}

// Each paste floats whole or not at all, and nothing is left once it is gone.
// One allocation fails at a time: a paste that has failed still tries to
// make the tool's option buttons, and reports each it cannot.
TEST_F(Selection, PastesFloatWholeOrNotAtAll)
{
    GrayLetters letters;
    preferences.pictureSquish = 0;
    Bytes dib = DibBlock({2, 1, 8, {0xFFFFFF, 0x000000}}, {0, 1});
    Bytes png = PngBlock(2, 1, 1, {255, 0}); // kept and converted as a bitmap
    const unsigned char page[] = {3, 0, 2, 0, 'x', 0, 'y', 0, 0, 'z'};
    struct Case {
        UINT format;
        const void *data;
        std::size_t size;
        DocFormat kept;
        const char *floating;
    } cases[] = {{CF_DIB, dib.data(), dib.size(), formatBitmap, "az"}, // one cell per pixel
                 {pngClipFormat, png.data(), png.size(), formatBitmap, "az"},
                 {pageClipFormat, page, sizeof page, formatNone, "x\0y\0\0z"},
                 {CF_TEXT, "a\tb", 3, formatTable, "+-"}}; // a ruled table
    for (const Case &test : cases) {
        Receive(test.format, test.data, test.size);
        EXPECT_EQ(test.kept, document.now.format);
        EXPECT_EQ(0u, Floating().find("0,0 " + std::string(test.floating, test.format == pageClipFormat ? 6 : 2)))
            << Floating();
        EXPECT_EQ(0, document.last.floating) << "one undoable action";
        SelectDrop(&document, false);
        FailEachAllocationReported([&] {
            Receive(test.format, test.data, test.size);
            MemoryFailAt(0);
            const DocState &now = document.now;
            EXPECT_EQ(now.floating != 0, now.front.data != nullptr) << test.format;
            EXPECT_EQ(now.format != formatNone, now.floating && now.handle) << test.format;
            SelectDrop(&document, false);
            EXPECT_EQ(0u, DocBeginAction(document)); // the undo state as the last attempt left it
        }, false);
    }
    ReportCatcher reports;
    Receive(pageClipFormat, page, sizeof page - 1); // one cell short
    DibPut(dib, 8, -2000);                          // far more rows than the block holds
    Receive(CF_DIB, dib.data(), dib.size());
    EXPECT_EQ(2, reports.errors);
    EXPECT_TRUE(Floating() == "none" && document.now.format == formatNone);
}

TEST_F(Selection, FailedTypingAndPastingChangeNothing)
{
    ToolSelect(&document, toolText);
    Pointer(4, 3);
    TextMouse(&document, Middle(4, 3)); // an empty row: from the click to the page's right edge
    for (int i = 0; i < 256; ++i)
        TextKey(&document, 'x');
    // Each change is taken back after an attempt, as Undo does; a failed
    // attempt leaves everything as it was, but for a failed wrap, which keeps
    // the old page floating over the new text.
    auto failEach = [&](const std::function<void()> &change, std::size_t length) {
        EXPECT_EQ(0u, DocBeginAction(document)); // each attempt's undo step then swaps like for like
        return FailEachAllocation([&] {
            std::string before = Now(), front = PageBytes(document.now.front);
            std::size_t used = document.now.used;
            change();
            bool done = document.now.used == length && PageBytes(document.now.front) != front;
            EXPECT_TRUE(document.now.used == used || done || front == PageBytes(document.now.front))
                << "the failed wrap kept the old page";
            if (document.now.used != used)
                std::swap(document.now, document.last);
            EXPECT_TRUE(done || before == Now());
            return done ? ErrorCode{0} : errorNoMemory;
        });
    };
    EXPECT_GT(failEach([&] { TextKey(&document, 'x'); }, 257), 0) << "the 257th character grows the block";
    std::string words = " the quick brown fox";
    EXPECT_GT(failEach([&] { Receive(CF_TEXT, words.data(), words.size()); }, 256 + words.size()), 0);

    ToolSelect(&document, toolBigText);
    Receive(CF_TEXT, "Hi", 2);
    std::string small = PageBytes(document.now.front);
    int smallHeight = document.now.front.height;
    preferences.bigTextSize = 24;
    EXPECT_GT(FailEachAllocation([&] {
                  BigTextRecalc(&document, document.now.front.width, 0);
                  if (document.now.front.height > smallHeight)
                      return ErrorCode{0};
                  EXPECT_EQ(small, PageBytes(document.now.front)) << "a failed drawing keeps the page that floats";
                  return errorNoMemory;
              }), 0);
}

// "Name TAB Age / Bob TAB 42" pasted at cell (0, 0) of a 40 x 6 page, ruled
// between all columns and not between rows: the first column's cells are at
// 2 to 6, its width handle at 8 and the second's cells at 10 to 13. The
// drags a user makes are the end-to-end scenario's; these are its edges.
class SelectTableEdit : public Selection {
protected:
    void SetUp() override
    {
        Selection::SetUp();
        ASSERT_EQ(0u, PageResize(document.now.back, 40, 6));
        preferences.horiRuleMode = allRules;
        preferences.vertRuleMode = noRules;
        Receive(CF_TEXT, "Name\tAge\r\nBob\t42\r\n", 18);
        ASSERT_EQ(formatTable, document.now.format);
    }

    TableColumn &Column(int column)
    {
        return TableColumns(static_cast<TableRecord *>(document.now.handle))[column];
    }
    // A press on client pixel (x, y) released `dx` pixels to the right, on the
    // option button `button` or else on the page.
    void DragBy(int x, int y, int dx, ToolButton *button = nullptr)
    {
        PointerAt(x + dx, y);
        if (button)
            buttons[button->buttonClass].mouseProc(&document, button, {SHORT(x), SHORT(y)});
        else
            SelectMouse(&document, {SHORT(x), SHORT(y)});
    }
    void DragCell(int col, int row, int dx) { DragBy(Middle(col, row).x, Middle(col, row).y, dx); }
};

TEST_F(SelectTableEdit, AWidthDragKeepsACellAndARulingChangeKeepsTheWidths)
{
    DragCell(8, 0, 24);
    DragCell(11, 0, -200);
    EXPECT_EQ(1, Column(0).width) << "never narrower than a cell";
    EXPECT_EQ((Rows{"|.N.|.Age..|", "|.a.|......|", "|.m.|......|", "|.e.|......|", "|.B.|..42..|", "|.o.|......|",
                    "|.b.|......|"}),
              PageRows(document.now.front))
        << "each row as tall as its tallest cell";
    DocumentUndo(&document);
    DragCell(11, 0, 7); // less than a cell
    EXPECT_EQ(8, Column(0).width);
    DragBy(document.firstButton->next->left + 16, 20, -24, document.firstButton->next); // Table Ruling: all to none
    EXPECT_EQ((Rows{"..Name...Age.", "..Bob.....42."}), PageRows(document.now.front));
}

TEST_F(SelectTableEdit, AWidthDragScrollsAtTheEdge)
{
    int x = Middle(8, 0).x;
    DragBy(x, Middle(8, 0).y, width + 17 - x); // deep enough past the edge to scroll at once
    EXPECT_EQ(1, document.scrollCol);
    EXPECT_EQ(5 + (width + 17 - x) / 8 + 1, Column(0).width);
}

TEST_F(SelectTableEdit, NothingChangesWithoutAnUndoPoint)
{
    ReportCatcher reports;
    Rows before = PageRows(document.now.front);
    for (int col : {8, 4}) {
        MemoryFailAt(1, true);
        DragCell(col, 0, 48);
        MemoryFailAt(0);
        EXPECT_EQ(5, Column(0).width) << col;
        EXPECT_EQ(justCentre, Column(0).justification) << col;
        EXPECT_EQ(before, PageRows(document.now.front)) << col;
        EXPECT_EQ(0, document.last.floating) << "undo still goes back to before the paste";
    }
    EXPECT_EQ(2, reports.errors);
}

// An effect changes the page but not the table's record; the ruling and
// justification buttons rebuild the page from the record at every release.
TEST_F(SelectTableEdit, RulingAndJustificationButtonsRebuildEvenUnchanged)
{
    ASSERT_EQ(0u, ToolButtonInit(&document, buttonJustification, &textJustParams));
    Rows built = PageRows(document.now.front);
    for (ToolButton *button = document.firstButton->next; button; button = button->next) {
        ASSERT_EQ(0u, SelectionTransform(&document, flipHorizontal));
        ASSERT_NE(built, PageRows(document.now.front));
        DragBy(button->left + 16, 20, 0, button);
        EXPECT_EQ(built, PageRows(document.now.front)) << button->buttonClass;
    }
}
