#include "selection/select_table_win.h"

#include <gtest/gtest.h>

#include "base/memory.h"
#include "app/doc_commands_win.h"
#include "page/table_conversion.h"
#include "selection/page_effects.h"
#include "selection/selection_win.h"
#include "tests/selection/select_fixture_win.h"
#include "tests/support/reports.h"
#include "tools/button_classes_win.h"

// "Name TAB Age / Bob TAB 42" pasted at cell (0, 0) of a 40 x 6 page, ruled
// between all columns and not between rows: the first column's cells are at
// 2 to 6, its width handle at 8 and the second's cells at 10 to 13.
class SelectTableEdit : public SelectTool {
protected:
    void SetUp() override
    {
        SelectTool::SetUp();
        ASSERT_EQ(0u, PageResize(document.now.back, 40, 6));
        preferences.horiRuleMode = allRules;
        preferences.vertRuleMode = noRules;
        const char text[] = "Name\tAge\r\nBob\t42\r\n";
        Receive(CF_TEXT, text, sizeof text - 1);
        ASSERT_EQ(formatTable, document.now.format);
        theDocument = &document; // the option buttons rebuild it
    }
    void TearDown() override
    {
        theDocument = nullptr;
        SelectTool::TearDown();
    }

    TableColumn &Column(int column)
    {
        return TableColumns(static_cast<TableRecord *>(document.now.handle))[column];
    }
    // A press on cell (col, row) released `dx` pixels to the right.
    void DragBy(int col, int row, int dx)
    {
        POINTS press = Pointer(col, row);
        PointerAt(press.x + dx, press.y);
        SelectMouse(&document, press);
    }
    Placing PlacingAt(int col, int row)
    {
        POINTS point = Pointer(col, row);
        return SelectPlacing(&document, {point.x, point.y});
    }
    // A press in the middle of an option button released `dx` pixels to the right.
    void ButtonDrag(ToolButton *button, int dx)
    {
        POINTS press = PointerAt(button->left + 16, 20);
        PointerAt(press.x + dx, press.y);
        buttons[button->buttonClass].mouseProc(&document, button, press);
    }
};

TEST_F(SelectTableEdit, TheHandlesShowTheirCursorsAndHelp)
{
    EXPECT_EQ(PlacingMake(cursorWidth, 4, 203), PlacingAt(8, 1));
    EXPECT_EQ(PlacingMake(cursorJustification, 4, 204), PlacingAt(4, 0));
    EXPECT_EQ(PlacingMake(cursorMove, 4, 201), PlacingAt(2, 0)) << "the outer quarter moves the table";
    EXPECT_EQ(PlacingMake(cursorMove, 4, 201), PlacingAt(9, 0)) << "and so does a spacer";
    DragBy(9, 0, 16);
    EXPECT_EQ(2, document.now.floatCol);
    EXPECT_EQ(5, Column(0).width);
}

TEST_F(SelectTableEdit, AWidthDragRewrapsMovesTheNextColumnAndUndoesInOneStep)
{
    Rows before = PageRows(document.now.front);
    EXPECT_EQ((Rows{"|.Name..|.Age..|", "|..Bob..|..42..|"}), before);
    DragBy(8, 0, 24);
    EXPECT_EQ(8, Column(0).width);
    EXPECT_EQ((Rows{"|...Name...|.Age..|", "|...Bob....|..42..|"}), PageRows(document.now.front));
    DragBy(11, 0, -200);
    EXPECT_EQ(1, Column(0).width) << "never narrower than a cell";
    EXPECT_EQ((Rows{"|.N.|.Age..|", "|.a.|......|", "|.m.|......|", "|.e.|......|", "|.B.|..42..|", "|.o.|......|",
                    "|.b.|......|"}),
              PageRows(document.now.front))
        << "each row as tall as its tallest cell";
    DocumentUndo(&document);
    EXPECT_EQ(8, Column(0).width);
    DragBy(11, 0, 7); // less than a cell
    EXPECT_EQ(8, Column(0).width);

    ButtonDrag(document.firstButton->next, -24); // Table Ruling from all to none keeps the widths
    EXPECT_EQ((Rows{"..Name...Age.", "..Bob.....42."}), PageRows(document.now.front));
}

TEST_F(SelectTableEdit, AWidthDragScrollsAtTheEdgeAndTheHandleFollows)
{
    POINTS press = Pointer(8, 0);
    PointerAt(width + 17, press.y); // deep enough past the edge to scroll at once
    SelectMouse(&document, press);
    EXPECT_EQ(1, document.scrollCol);
    EXPECT_EQ(5 + (width + 17 - press.x) / 8 + 1, Column(0).width);
}

TEST_F(SelectTableEdit, AJustificationDragChangesOnlyItsColumn)
{
    DragBy(11, 0, 15);
    EXPECT_EQ(justCentre, Column(1).justification);
    DragBy(11, 0, 32);
    EXPECT_EQ(justRight, Column(1).justification);
    EXPECT_EQ((Rows{"|.Name..|..Age.|", "|..Bob..|...42.|"}), PageRows(document.now.front));
    DocumentUndo(&document);
    EXPECT_EQ(justCentre, Column(1).justification);
    DragBy(4, 0, -16);
    EXPECT_EQ(justLeft, Column(0).justification);
    EXPECT_EQ(justCentre, Column(1).justification);
}

TEST_F(SelectTableEdit, NothingChangesWithoutAnUndoPoint)
{
    ReportCatcher reports;
    Rows before = PageRows(document.now.front);
    for (int col : {8, 4}) {
        MemoryFailAt(1, true);
        DragBy(col, 0, 48);
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
        ButtonDrag(button, 0);
        EXPECT_EQ(built, PageRows(document.now.front)) << button->buttonClass;
    }
}
