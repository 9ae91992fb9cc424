// Test support: the line, circle and rectangle tools pressed in a real window
// with the mouse up, so that a drag makes exactly one pass, ending where the
// pointer was put.
#pragma once

#include <algorithm>
#include <initializer_list>

#include "base/preferences.h"
#include "tests/tools/shape_test_support.h"
#include "tests/tools/tool_window_win.h"

class ShapeWindow : public ToolWindow {
protected:
    void SetUp() override
    {
        ToolWindow::SetUp();
        preferences = PreferencesDefaults();
        document.textRect = {0, 0, testWidth, 120}; // no cell near an edge is used, so nothing scrolls
    }
    void TearDown() override
    {
        DocStateKill(document.now);
        DocStateKill(document.last);
        ToolWindow::TearDown();
        preferences = PreferencesDefaults();
    }

    // A document holding `rows`, whose undo state holds them too.
    ErrorCode Open(const Rows &rows)
    {
        ErrorCode error = PageFromRows(document.now.back, rows);
        return error ? error : PageFromRows(document.last.back, rows);
    }
    // A press on cell (col, row), the pointer having moved to (endCol, endRow),
    // with the keys in `held` down.
    void Drag(void (*mouseProc)(Document *, POINTS), int col, int row, int endCol, int endRow,
              std::initializer_list<int> held = {})
    {
        POINT screen = Middle(endCol, endRow);
        ClientToScreen(document.window, &screen);
        SetCursorPos(screen.x, screen.y);
        BYTE keys[256], pressed[256];
        GetKeyboardState(keys);
        std::copy(keys, keys + 256, pressed);
        for (int key : held)
            pressed[key] = 0x80;
        SetKeyboardState(pressed);
        POINT start = Middle(col, row);
        mouseProc(&document, {static_cast<SHORT>(start.x), static_cast<SHORT>(start.y)});
        SetKeyboardState(keys);
    }
    static POINT Middle(int col, int row) { return {col * 8 + 4, row * 16 + 8}; }

    FontCell font{8, 16};
};
