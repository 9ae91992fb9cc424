#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "app/doc_commands_win.h"
#include "app/doc_draw_win.h"
#include "app/doc_window_win.h"
#include "base/preferences.h"
#include "tests/support/test_window_win.h"
#include "tools/scroll_win.h"

namespace {

// A document of `width` x `height` cells in a real window with a client area
// of `clientWidth` x `clientHeight` pixels, laid out as the program does.
struct TestDocument {
    TestDocument(int width, int height, int clientWidth, int clientHeight)
    {
        RECT frame = {0, 0, clientWidth, clientHeight};
        DWORD style = WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL;
        AdjustWindowRect(&frame, style, FALSE);
        frame.right += GetSystemMetrics(SM_CXVSCROLL);
        frame.bottom += GetSystemMetrics(SM_CYHSCROLL);
        std::memset(&document, 0, sizeof document);
        document.window = TestWindowCreate("GlyphwrightTestWindow", DefWindowProcA, style, frame.right - frame.left,
                                           frame.bottom - frame.top);
        document.colUnits = document.rowUnits = 10;
        EXPECT_EQ(0u, PageNew(document.now.back, width, height));
        fontWidth = 7;
        fontHeight = 15;
        DocumentSized(&document);
    }
    ~TestDocument()
    {
        PageKill(document.now.back);
        DestroyWindow(document.window);
    }
    Document document;
};

// A 32-bit drawing surface whose pixels the test reads back.
struct Surface {
    Surface(int width, int height) : width(width)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        context = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(context, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&bits), nullptr, 0);
        old = SelectObject(context, bitmap);
    }
    ~Surface()
    {
        SelectObject(context, old);
        DeleteObject(bitmap);
        DeleteDC(context);
    }
    COLORREF At(int x, int y)
    {
        GdiFlush();
        DWORD pixel = bits[y * width + x];
        return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
    }
    int width;
    HDC context;
    HBITMAP bitmap;
    HGDIOBJ old;
    DWORD *bits;
};

} // namespace

TEST(DocWindow, LayoutAndPlacings)
{
    TestDocument test(74, 24, 800, 600);
    Document &document = test.document;
    EXPECT_EQ(26, document.textRect.left);
    EXPECT_EQ(81, document.textRect.top);
    EXPECT_EQ(800, document.textRect.right);
    EXPECT_EQ(600, document.textRect.bottom);
    EXPECT_EQ(57, document.rulerRectTop.top);
    EXPECT_EQ(26, document.rulerRectLeft.right);
    EXPECT_EQ(74, document.textColumns); // never more than the page is wide
    EXPECT_EQ((600 - 81) / 15, document.textRows);
    EXPECT_EQ(764, document.buttonStart);

    EXPECT_EQ(PlacingMake(cursorSizeNS, 303, 304), DocumentPlacing(&document, {0, 81}));
    EXPECT_EQ(PlacingMake(cursorSizeWE, 301, 302), DocumentPlacing(&document, {26, 80}));
    EXPECT_EQ(0u, DocumentPlacing(&document, {25, 57})); // the corner square

    RECT standard;
    DocStandardWindowRect(&document, standard);
    EXPECT_GE(standard.right - standard.left, 608);
}

TEST(DocWindow, ScrollingStaysInRange)
{
    TestDocument test(74, 24, 26 + 60 * 7, 81 + 20 * 15);
    Document &document = test.document;
    EXPECT_EQ(60, document.textColumns);
    int low, high;
    GetScrollRange(document.window, SB_HORZ, &low, &high);
    EXPECT_EQ(14, high);
    DocScroll(&document, 100, 0, 1);
    EXPECT_EQ(14, document.scrollCol);
    DocScroll(&document, -3, 0, 1);
    EXPECT_EQ(11, document.scrollCol);

    DocScroll(&document, 0, 20, 1); // past the last row is allowed
    EXPECT_EQ(20, document.scrollRow);
    EXPECT_EQ(16000, GetScrollPos(document.window, SB_VERT)); // beyond height - textRows
    DocScroll(&document, 0, 30000, 1);
    EXPECT_EQ(16000, document.scrollRow);
    DocScroll(&document, 0, -16000, 1);
    EXPECT_EQ(0, document.scrollRow);
    DocScroll(&document, 0, 2, 1);
    EXPECT_EQ(2 * 16000 / 4, GetScrollPos(document.window, SB_VERT));

    // A window wide enough for the whole page scrolls back to its first column.
    SetWindowPos(document.window, nullptr, 0, 0, 900, 500, SWP_NOMOVE | SWP_NOZORDER);
    DocumentSized(&document);
    EXPECT_EQ(0, document.scrollCol);
    GetScrollRange(document.window, SB_HORZ, &low, &high);
    EXPECT_EQ(0, high);
}

TEST(DocWindow, ScrollBarMessages)
{
    TestDocument test(74, 100, 26 + 60 * 7, 81 + 20 * 15);
    Document &document = test.document;
    DocScrollBar(&document, SB_VERT, SB_PAGEDOWN);
    EXPECT_EQ(20, document.scrollRow);
    DocScrollBar(&document, SB_VERT, SB_LINEUP);
    EXPECT_EQ(19, document.scrollRow);
    DocScrollBar(&document, SB_VERT, MAKEWPARAM(SB_THUMBTRACK, 8000)); // half of 100 - 20 rows
    EXPECT_EQ(40, document.scrollRow);
    DocScrollBar(&document, SB_HORZ, MAKEWPARAM(SB_THUMBTRACK, 5));
    EXPECT_EQ(5, document.scrollCol);
    DocScrollBar(&document, SB_HORZ, SB_ENDSCROLL);
    EXPECT_EQ(5, document.scrollCol);
}

TEST(DocWindow, PageAndRulersDrawn)
{
    preferences = PreferencesDefaults();
    TestDocument test(74, 24, 800, 600);
    Document &document = test.document;
    std::memset(document.now.back.data, 'M', 74 * 24);
    Surface surface(800, 600);
    RECT all = {0, 0, 800, 600};
    DocPageDraw(&document, surface.context, all);
    DocTopRulerDraw(&document, surface.context, all);
    DocLeftRulerDraw(&document, surface.context, all);

    int edge = 26 + 74 * 7;
    EXPECT_EQ(RGB(0, 0, 0), surface.At(edge, 300));               // the page's right edge
    EXPECT_EQ(RGB(127, 127, 127), surface.At(edge + 5, 100));     // beyond it, in the page area
    EXPECT_EQ(RGB(127, 127, 127), surface.At(edge + 5, 60));      // and in the column ruler
    EXPECT_EQ(RGB(255, 255, 255), surface.At(100, 81 + 24 * 15 + 3)); // below the last row
    EXPECT_EQ(RGB(192, 255, 255), surface.At(20, 200));          // the row ruler, past the page too
    EXPECT_EQ(RGB(192, 255, 255), surface.At(edge - 3, 58));      // column ruler, inside the page
    int dark = 0; // the 'M's of the first cell
    for (int y = 81; y < 96; ++y)
        for (int x = 26; x < 33; ++x)
            dark += surface.At(x, y) == RGB(0, 0, 0);
    EXPECT_GT(dark, 5);
    // Long ticks every 10 columns: column 10's tick reaches up to the ruler's middle.
    EXPECT_EQ(RGB(0, 0, 0), surface.At(26 + 10 * 7, 57 + 13));
    EXPECT_NE(RGB(0, 0, 0), surface.At(26 + 11 * 7, 57 + 13));
    EXPECT_EQ(RGB(0, 0, 0), surface.At(26 + 11 * 7, 57 + 20));
}

TEST(DocWindow, UndoSwapsStatesAndRedoes)
{
    TestDocument test(74, 24, 800, 600);
    Document &document = test.document;
    ASSERT_EQ(0u, DocBeginAction(document));
    document.now.back.data[0] = 'x';
    DocumentUndo(&document);
    EXPECT_EQ(0, document.now.back.data[0]);
    EXPECT_EQ(1, document.windowDirty); // undo leaves it as it was
    DocumentUndo(&document);
    EXPECT_EQ('x', document.now.back.data[0]);

    // A state of another width lays the window out again.
    ASSERT_EQ(0u, DocBeginAction(document));
    ASSERT_EQ(0u, PageResize(document.now.back, 30, 24));
    DocumentSized(&document);
    EXPECT_EQ(30, document.textColumns);
    DocumentUndo(&document);
    EXPECT_EQ(74, document.now.back.width);
    EXPECT_EQ(74, document.textColumns);
    PageKill(document.last.back);
}
