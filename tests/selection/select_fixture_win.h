// Test support: the select tool on a page in a real window, with the pointer
// put where a drag is to end.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/preferences.h"
#include "selection/select_tool_win.h"
#include "tests/page/page_test_support.h"
#include "tests/selection/window_document_win.h"
#include "tests/support/font_cell.h"
#include "tools/tool_bar_win.h"

// A 12 x 4 page in a white window of 8 x 16 pixel cells, the select tool
// current and nothing floating; row 1 has empty cells. The mouse button is
// up, so every drag makes one pass, ending where the pointer was put.
class SelectTool : public testing::Test {
protected:
    void SetUp() override
    {
        preferences = PreferencesDefaults();
        WindowDocumentOpen(document, "SelectToolTest", 400, 200,
                           {"abcdefghijkl", "m..n........", "opqrstuvwxyz", "............"});
        ASSERT_EQ(0u, DocStateCopy(document.now, document.last));
        ASSERT_EQ(0u, InitClipFormats());
    }
    void TearDown() override
    {
        ToolButtonsKill(&document);
        WindowDocumentClose(document);
        preferences = PreferencesDefaults();
    }

    // Puts the pointer on client pixel (x, y) and gives that point.
    POINTS PointerAt(int x, int y)
    {
        POINT screen = {x, y};
        ClientToScreen(document.window, &screen);
        SetCursorPos(screen.x, screen.y);
        return {static_cast<SHORT>(x), static_cast<SHORT>(y)};
    }
    // Puts the pointer on the middle of cell (col, row) and gives that point.
    POINTS Pointer(int col, int row) { return PointerAt(col * 8 + 4, row * 16 + 8); }
    // A press at cell (col, row) released at (toCol, toRow).
    void Drag(int col, int row, int toCol, int toRow)
    {
        POINTS press = Pointer(col, row);
        Pointer(toCol, toRow);
        SelectMouse(&document, press);
    }
    void Lift(LONG left, LONG top, LONG right, LONG bottom)
    {
        RECT rect = {left, top, right, bottom};
        ASSERT_EQ(0u, SelectLift(&document, &rect));
    }
    // The option button classes shown.
    std::vector<int> Buttons()
    {
        std::vector<int> classes;
        for (ToolButton *button = document.firstButton; button; button = button->next)
            classes.push_back(button->buttonClass);
        return classes;
    }
    std::string Floating()
    {
        const DocState &now = document.now;
        if (!now.floating)
            return "none";
        return std::to_string(now.floatCol) + "," + std::to_string(now.floatRow) + " " +
               std::string(reinterpret_cast<const char *>(now.front.data), now.front.width * now.front.height);
    }
    // Pastes `size` bytes as `format` through a real clipboard block.
    void Receive(UINT format, const void *data, std::size_t size)
    {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(block), data, size);
        GlobalUnlock(block);
        SelectReceive(&document, block, size, format);
        GlobalFree(block);
    }

    FontCell font{8, 16};
    Document document = {};
};
