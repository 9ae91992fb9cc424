// Test support: a document in a real visible window, for the tests of the
// tools and the selection. The whole client area, 640 x 400 pixels, is
// character area in cells of 8 x 16 pixels, and the tool bar is laid out as
// for a fresh document. The mouse button is up, so a mouse procedure follows
// its drag for one pass, ending where the pointer was put. The preferences
// (their defaults during the test), the cell size and the current document
// are put back afterwards.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "base/preferences.h"
#include "tests/page/page_test_support.h"
#include "tests/support/font_cell.h"
#include "tests/support/test_window_win.h"
#include "tools/tool_bar_win.h"

class WindowDocument : public testing::Test {
protected:
    static const int width = 640, height = 400;

    void SetUp() override
    {
        preferences = PreferencesDefaults();
        document.window = TestWindowCreate("WindowDocument", DefWindowProcA, WS_POPUP | WS_VISIBLE, width, height);
        ASSERT_NE(nullptr, document.window);
        ValidateRect(document.window, nullptr);
        document.textRect = {0, 0, width, height};
        document.penStyle = penStyleHidden;
        document.buttonEnd = toolBarBaseEnd;
        document.buttonStart = width - 36;
        GetKeyboardState(keys);
    }
    void TearDown() override
    {
        Release();
        ToolButtonsKill(&document);
        DocStateKill(document.now);
        DocStateKill(document.last);
        DestroyWindow(document.window);
    }

    // A back page of `rows`; the undo state holds the same.
    void Open(const Rows &rows)
    {
        ASSERT_EQ(0u, PageFromRows(document.now.back, rows));
        ASSERT_EQ(0u, DocStateCopy(document.now, document.last));
    }
    static POINTS Middle(int col, int row) { return {SHORT(col * 8 + 4), SHORT(row * 16 + 8)}; }
    // Puts the pointer on client pixel (x, y), the keys `held` down until Release.
    void PointerAt(int x, int y, std::initializer_list<int> held = {})
    {
        POINT screen = {x, y};
        ClientToScreen(document.window, &screen);
        SetCursorPos(screen.x, screen.y);
        BYTE pressed[256];
        std::copy(keys, keys + 256, pressed);
        for (int key : held)
            pressed[key] = 0x80;
        SetKeyboardState(pressed);
    }
    void Pointer(int col, int row, std::initializer_list<int> held = {})
    {
        PointerAt(Middle(col, row).x, Middle(col, row).y, held);
    }
    void Release() { SetKeyboardState(keys); }
    // A press on cell (col, row) released on (toCol, toRow), `held` down throughout.
    void Drag(void (*mouse)(Document *, POINTS), int col, int row, int toCol, int toRow,
              std::initializer_list<int> held = {})
    {
        Pointer(toCol, toRow, held);
        mouse(&document, Middle(col, row));
        Release();
    }
    // Whether client pixel (x, y) is marked for repainting.
    bool Marked(int x, int y)
    {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(document.window, region, FALSE);
        bool marked = PtInRegion(region, x, y);
        DeleteObject(region);
        return marked;
    }

    Restore kept{preferences, theDocument};
    FontCell font{8, 16};
    Document document = {};
    BYTE keys[256] = {};
};
