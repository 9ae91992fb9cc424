#include "tools/tool_bar_win.h"

#include <gtest/gtest.h>

#include "tests/support/reports.h"
#include "tests/tools/canvas_win.h"
#include "tests/tools/tool_window_win.h"

namespace {

const COLORREF black = RGB(0, 0, 0);
const COLORREF white = RGB(255, 255, 255);
const COLORREF face = GetSysColor(COLOR_BTNFACE);
const COLORREF lit = GetSysColor(COLOR_BTNHIGHLIGHT);
const COLORREF shaded = GetSysColor(COLOR_BTNSHADOW);

// Whether anything but the face lies in the rectangle.
bool Ink(const Canvas &canvas, int left, int top, int right, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (canvas(x, y) != face)
                return true;
    return false;
}

} // namespace

TEST(ToolDrawButton, FaceBevelIconAndFrame)
{
    ASSERT_TRUE(lit != shaded && lit != face && shaded != face);
    struct Case {
        int x, y; // from (left, 3) of a button from 10 to 42
        COLORREF up, down;
    } cases[] = {
        {-1, -1, black, black}, {32, 32, black, black}, {-2, 10, magenta, magenta}, {33, 10, magenta, magenta},
        {0, 0, lit, shaded},    {0, 30, lit, shaded},   {0, 31, face, face},        {1, 29, lit, shaded},
        {1, 30, face, face},    {1, 31, shaded, lit},   {30, 0, lit, shaded},       {31, 0, face, face},
        {29, 1, lit, shaded},   {30, 1, face, face},    {31, 1, shaded, lit},       {30, 2, shaded, lit},
        {29, 2, face, face},    {2, 30, shaded, lit},   {31, 31, shaded, lit},      {15, 15, face, face},
    };
    for (bool pressed : {false, true}) {
        Canvas canvas(60, 45);
        ToolDrawButton(canvas.context, 0, 10, 42, pressed);
        for (const Case &test : cases)
            EXPECT_EQ(pressed ? test.down : test.up, canvas(10 + test.x, 3 + test.y)) << test.x << "," << test.y;
    }

    Canvas withIcon(60, 45), missing(60, 45);
    ToolDrawButton(withIcon.context, 128, 10, 42, false);
    EXPECT_EQ(black, withIcon(9, 2));
    EXPECT_TRUE(Ink(withIcon, 12, 5, 40, 33));
    ReportCatcher reports;
    ToolDrawButton(missing.context, 999, 10, 42, false);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(magenta, missing(9, 2)); // no frame
}

TEST_F(ToolWindow, ToolBarDrawPaintsTheStrip)
{
    document.now.tool = toolPencil;
    document.placingShown = 1;
    document.titleIndex = 9;
    document.detailIndex = 10;
    const int start = document.buttonStart;
    Canvas canvas(testWidth, 70);
    ToolBarDraw(&document, canvas.context, {0, 0, 400, 70});
    EXPECT_EQ(face, canvas(0, 0));
    EXPECT_EQ(face, canvas(testWidth - 1, 36));
    EXPECT_EQ(shaded, canvas(108, 10)); // the pencil, pressed
    EXPECT_EQ(lit, canvas(start, 20));  // Send Email
    EXPECT_EQ(black, canvas(start - 1, 20));
    for (int x : {0, 399}) {
        EXPECT_EQ(white, canvas(x, 55));
        EXPECT_EQ(black, canvas(x, 56));
    }
    EXPECT_EQ(face, canvas(400, 55));
    EXPECT_EQ(magenta, canvas(0, 57));
    EXPECT_FALSE(Ink(canvas, 0, 37, 4, 55));
    EXPECT_TRUE(Ink(canvas, 4, 37, 100, 55));

    Canvas blank(testWidth, 70), below(testWidth, 70);
    document.placingShown = 0;
    ToolBarDraw(&document, blank.context, {0, 0, testWidth, 70});
    EXPECT_FALSE(Ink(blank, 0, 37, testWidth, 55));
    ToolBarDraw(&document, below.context, {0, 57, testWidth, 70});
    EXPECT_EQ(magenta, below(0, 0));
}

TEST_F(ToolWindow, HelpLineRedrawnOnlyForNewIds)
{
    ToolShowPlacing(&document, 24, 25);
    EXPECT_EQ(1, document.placingShown);
    HDC context = GetDC(document.window);
    SetDCBrushColor(context, magenta);
    SelectObject(context, GetStockObject(DC_BRUSH));
    PatBlt(context, 0, 37, testWidth, 18, PATCOPY);
    ToolShowPlacing(&document, 24, 25);
    EXPECT_EQ(magenta, GetPixel(context, 600, 45));
    ToolShowPlacing(&document, 24, 23);
    EXPECT_EQ(face, GetPixel(context, 600, 45));
    ReleaseDC(document.window, context);
}
