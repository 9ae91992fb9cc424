#include "selection/selection_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "app/doc_commands_win.h"
#include "base/memory.h"
#include "selection/page_effects.h"
#include "tests/page/page_test_support.h"
#include "tests/selection/window_document_win.h"
#include "tests/support/font_cell.h"
#include "tests/support/reports.h"
#include "tools/tool_bar_win.h"

const int windowWidth = 400, windowHeight = 240;

// A white window whose whole client area shows a 20 x 6 page in cells of
// 8 x 16 pixels, with the select tool current and "abc"/"def" floating over
// cells (2, 1) to (4, 2); the undo state holds the same. The mouse button is
// up, so every drag makes exactly one pass, ending where the pointer was put.
class SelectionWindow : public testing::Test {
protected:
    void SetUp() override
    {
        WindowDocumentOpen(document, "SelectionWindowTest", windowWidth, windowHeight,
                           {"xxxxxxxxxxxxxxxxxxxx", "....................", "....................",
                            "....................", "....................", "...................."});
        DocState &now = document.now;
        ASSERT_EQ(0u, PageFromRows(now.front, {"abc", "def"}));
        now.floating = 1;
        now.floatCol = 2;
        now.floatRow = 1;
        now.transparency = opaque;
        now.tool = toolSelect;
        ASSERT_EQ(0u, DocStateCopy(now, document.last));
        GetKeyboardState(keys);
        Whiten();
    }
    void TearDown() override
    {
        ToolButtonsKill(&document);
        WindowDocumentClose(document);
    }

    void Whiten()
    {
        HDC context = GetDC(document.window);
        RECT all = {0, 0, windowWidth, windowHeight};
        FillRect(context, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ReleaseDC(document.window, context);
        ValidateRect(document.window, nullptr);
    }
    // Whether each pixel of the rectangle is still white, row after row.
    std::vector<bool> White(int left, int top, int right, int bottom)
    {
        std::vector<bool> white;
        HDC context = GetDC(document.window);
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                white.push_back(GetPixel(context, x, y) == RGB(255, 255, 255));
        ReleaseDC(document.window, context);
        return white;
    }
    static POINTS Middle(int col, int row)
    {
        return {static_cast<SHORT>(col * 8 + 4), static_cast<SHORT>(row * 16 + 8)};
    }
    // Puts the pointer on the middle of cell (col, row) and holds the keys in `held`.
    void Pointer(int col, int row, std::initializer_list<int> held = {})
    {
        POINTS middle = Middle(col, row);
        POINT screen = {middle.x, middle.y};
        ClientToScreen(document.window, &screen);
        SetCursorPos(screen.x, screen.y);
        BYTE pressed[256];
        std::copy(keys, keys + 256, pressed);
        for (int key : held)
            pressed[key] = 0x80;
        SetKeyboardState(pressed);
    }
    void Release() { SetKeyboardState(keys); }
    // What the document's current state holds, for comparisons.
    std::vector<std::string> Now()
    {
        const DocState &now = document.now;
        return {PageBytes(now.back), now.floating ? PageBytes(now.front) : "",
                std::to_string(now.floating) + " " + std::to_string(now.floatCol) + " " +
                    std::to_string(now.floatRow) + " " + std::to_string(now.front.width)};
    }

    FontCell font{8, 16};
    Document document = {};
    BYTE keys[256] = {};
};

TEST_F(SelectionWindow, FrameIsDrawnAndRemovedByInversion)
{
    // The frame runs along the page's pixels (16, 16) to (40, 48).
    std::vector<bool> clean = White(12, 12, 44, 52);
    SelectTemp(&document, 0, nullptr);
    EXPECT_EQ(PS_DOT, document.penStyle);
    std::vector<bool> shown = White(12, 12, 44, 52);
    std::vector<bool> top = White(16, 16, 40, 17);
    EXPECT_NE(clean, shown);
    EXPECT_GT(std::count(top.begin(), top.end(), false), 5); // dotted: some pixels inverted,
    EXPECT_GT(std::count(top.begin(), top.end(), true), 5);  // some left alone
    EXPECT_TRUE(White(17, 17, 39, 47) == std::vector<bool>(22 * 30, true)); // nothing inside

    SelectTemp(&document, 0, nullptr); // showing again changes nothing
    EXPECT_EQ(shown, White(12, 12, 44, 52));
    SelectTemp(&document, 1, nullptr);
    EXPECT_EQ(PS_NULL, document.penStyle);
    EXPECT_EQ(clean, White(12, 12, 44, 52));
    SelectTemp(&document, 1, nullptr); // hiding again changes nothing
    EXPECT_EQ(clean, White(12, 12, 44, 52));

    // After a repaint wiped it, mode 2 puts it back within the repainted area only.
    SelectTemp(&document, 0, nullptr);
    Whiten();
    RECT left = {0, 0, 20, windowHeight};
    SelectTemp(&document, 2, &left);
    std::vector<bool> redrawn = White(12, 12, 44, 52);
    EXPECT_FALSE(White(16, 16, 17, 48) == std::vector<bool>(32, true));
    EXPECT_TRUE(White(20, 12, 44, 52) == std::vector<bool>(24 * 40, true));
    SelectTemp(&document, 1, nullptr);
    Whiten();

    // A page of no width is framed 2 pixels wide; nothing is drawn while nothing floats.
    document.now.front.width = 0;
    SelectTemp(&document, 0, nullptr);
    EXPECT_FALSE(White(16, 16, 18, 48) == std::vector<bool>(64, true));
    SelectTemp(&document, 1, nullptr);
    document.now.front.width = 3;
    document.now.floating = 0;
    SelectTemp(&document, 0, nullptr);
    EXPECT_EQ(clean, White(12, 12, 44, 52));
    document.now.floating = 1;
}

TEST_F(SelectionWindow, AreaCodesOfWindowPoints)
{
    const std::int16_t both = possibleWidth | possibleHeight; // live edges reach (12, 8) - (44, 56)
    struct {
        LONG x, y;
        std::int16_t possibilities, area;
    } const points[] = {
        {28, 32, 0, areaInside},    {28, 32, both, areaInside},       {16, 32, both, areaLeft},
        {40, 32, both, areaRight},  {13, 9, both, areaTop | areaLeft}, {43, 55, both, areaBottom | areaRight},
        {44, 32, both, areaPage},   {28, 100, 0, areaBelowPage},      {200, 32, 0, areaOffPage},
    };
    for (const auto &point : points) {
        EXPECT_EQ(point.area, SelectionArea(&document, {point.x, point.y}, point.possibilities))
            << point.x << "," << point.y;
    }
}

TEST_F(SelectionWindow, ArrowKeysMoveOneUndoableCellEach)
{
    std::vector<std::string> before = Now();
    EXPECT_EQ(0, SelectionMoveKey(&document, 'a'));
    EXPECT_EQ(0, document.windowDirty);
    EXPECT_EQ(1, SelectionMoveKey(&document, keyLeft));
    EXPECT_EQ(1, document.now.floatCol);
    EXPECT_EQ(1, document.windowDirty);
    EXPECT_EQ(PS_DOT, document.penStyle);
    DocumentUndo(&document);
    EXPECT_EQ(before, Now());
    DocumentUndo(&document);
    EXPECT_EQ(1, document.now.floatCol);

    for (char key : {keyRight, keyRight, keyDown, keyUp, keyUp, keyUp, keyLeft, keyLeft, keyLeft})
        EXPECT_EQ(1, SelectionMoveKey(&document, key));
    EXPECT_EQ(-1, document.now.floatRow); // no limit: the page may go off the page
    EXPECT_EQ(0, document.now.floatCol);
    EXPECT_EQ(1, document.last.floatCol); // the undo state is one press back
    EXPECT_EQ(-1, document.last.floatRow);

    ReportCatcher reports;
    std::vector<std::string> moved = Now();
    MemoryFailAt(1, true);
    EXPECT_EQ(1, SelectionMoveKey(&document, keyDown)); // still handled, but nothing moves
    MemoryFailAt(0);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(moved, Now());
    SelectTemp(&document, 1, nullptr);
}

TEST_F(SelectionWindow, EffectsGoThroughTheDocumentAndUndo)
{
    EXPECT_EQ(1, DocumentTransform(&document, 0));
    std::vector<std::string> before = Now();
    EXPECT_EQ(0, DocumentTransform(&document, rotateRight));
    EXPECT_EQ((Rows{"da", "eb", "fc"}), PageRows(document.now.front));
    EXPECT_TRUE(document.now.floatCol == 2 && document.now.floatRow == 1); // the top-left corner stays
    EXPECT_EQ((Rows{"abc", "def"}), PageRows(document.last.front));
    DocumentUndo(&document);
    EXPECT_EQ(before, Now());

    DocumentTransform(&document, explode);
    EXPECT_EQ((Rows{"a.b.c.", "d.e.f."}), PageRows(document.now.front));
    DocumentTransform(&document, implode);
    EXPECT_EQ((Rows{"abc", "def"}), PageRows(document.now.front));
    EXPECT_EQ(PS_DOT, document.penStyle);
    SelectTemp(&document, 1, nullptr);

    document.now.tool = toolText; // the text tools' rectangles take no effects
    EXPECT_EQ(0, DocumentTransform(&document, 0));
}

TEST_F(SelectionWindow, AFailedEffectLeavesTheFloatingPage)
{
    for (int code : {flipHorizontal, rotateLeft, explode, implode, invert}) {
        int failures = FailEachAllocation([&] {
            std::vector<std::string> before = Now();
            ErrorCode error = SelectionTransform(&document, static_cast<std::int16_t>(code));
            if (!error) {
                MemoryFailAt(0); // undoing remakes the select tool's option buttons
                DocumentUndo(&document);
                ToolButtonsKill(&document);
            } else {
                EXPECT_EQ(before, Now()) << code;
            }
            return error;
        });
        EXPECT_GT(failures, 0) << code;
        SelectTemp(&document, 1, nullptr);
    }
}

TEST_F(SelectionWindow, PressOnTheFloatingPageMovesIt)
{
    Pointer(3, 1); // a click without moving still takes an undo step
    EXPECT_EQ(mouseMoved, SelectionMouse(&document, Middle(3, 1), 0));
    EXPECT_EQ(1, document.windowDirty);
    EXPECT_TRUE(document.now.floatCol == 2 && document.now.floatRow == 1);

    Pointer(6, 4);
    EXPECT_EQ(mouseMoved, SelectionMouse(&document, Middle(3, 1), 0));
    EXPECT_TRUE(document.now.floatCol == 5 && document.now.floatRow == 4);
    EXPECT_EQ("....................", PageRows(document.now.back)[1]); // nothing is left behind

    Pointer(7, 2, {VK_CONTROL}); // Control leaves a copy behind
    EXPECT_EQ(mouseMoved, SelectionMouse(&document, Middle(5, 4), 0));
    Release();
    EXPECT_TRUE(document.now.floatCol == 7 && document.now.floatRow == 2);
    EXPECT_EQ(".....abc............", PageRows(document.now.back)[4]);
    EXPECT_EQ(1, document.now.floating);
    DocumentUndo(&document);
    EXPECT_EQ("....................", PageRows(document.now.back)[4]);

    Pointer(1, 0); // dragged off the page's top-left, it is not held back
    EXPECT_EQ(mouseMoved, SelectionMouse(&document, Middle(7, 5), 0));
    EXPECT_TRUE(document.now.floatCol == -1 && document.now.floatRow == -1);

    Pointer(2, 1);
    EXPECT_EQ(mouseNothing, SelectionMouse(&document, {static_cast<SHORT>(200), 32}, 0)); // off the page
    SelectTemp(&document, 1, nullptr);
}

TEST_F(SelectionWindow, PressBesideTheFloatingPageDropsIt)
{
    Pointer(10, 3); // nothing floated before this selection: a click starts a new one
    document.last.floating = 0;
    PageKill(document.last.front);
    document.last.front = Page{};
    EXPECT_EQ(mouseMakeNew, SelectionMouse(&document, Middle(10, 3), 0));
    EXPECT_EQ(0, document.now.floating);
    EXPECT_EQ("..abc...............", PageRows(document.now.back)[1]);
    EXPECT_EQ(0, document.windowDirty); // the tool's own action comes later

    ASSERT_EQ(0u, PageFromRows(document.now.front, {"gh"}));
    document.now.floating = 1;
    ASSERT_EQ(0u, DocBeginAction(document)); // now the undo state floats a page
    EXPECT_EQ(mouseDropped, SelectionMouse(&document, Middle(10, 3), 0)); // released without moving
    EXPECT_EQ("..ghc...............", PageRows(document.now.back)[1]);

    std::vector<std::string> before = Now();
    EXPECT_EQ(mouseDropped, SelectionMouse(&document, Middle(10, 7), possibleAction)); // below the page
    EXPECT_EQ(before, Now());
    EXPECT_EQ(PageBytes(document.now.back), PageBytes(document.last.back)); // an undo step was taken
    EXPECT_EQ(0, document.last.floating);
    EXPECT_EQ(mouseMakeNew, SelectionMouse(&document, Middle(10, 7), possibleBelow));
}

TEST_F(SelectionWindow, MarkingANewRectangle)
{
    DocFrontPageDrop(document, true, false);
    RECT rect;
    Pointer(3, 2);
    SelectionMakeNew(&document, Middle(8, 5), &rect, 0);
    EXPECT_TRUE(rect.left == 3 && rect.top == 2 && rect.right == 9 && rect.bottom == 6);
    EXPECT_EQ(0, document.now.floating);
    EXPECT_EQ(PS_NULL, document.penStyle);

    Pointer(3, 9); // below the page: pinned to the last row unless allowed
    SelectionMakeNew(&document, Middle(8, 5), &rect, 0);
    EXPECT_TRUE(rect.top == 5 && rect.bottom == 6);
    SelectionMakeNew(&document, Middle(8, 5), &rect, possibleBelow | possibleOneRow);
    EXPECT_TRUE(rect.left == 3 && rect.top == 9 && rect.right == 9 && rect.bottom == 10);

    Pointer(1, 0, {VK_CONTROL}); // Control shrinks it to the used cells
    SelectionMakeNew(&document, Middle(8, 3), &rect, possibleReduce);
    Release();
    EXPECT_TRUE(rect.left == 1 && rect.top == 0 && rect.right == 9 && rect.bottom == 1);
    SelectionMakeNew(&document, Middle(8, 3), &rect, 0);
    EXPECT_TRUE(rect.left == 1 && rect.top == 0 && rect.right == 9 && rect.bottom == 4);
}
