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
#include "tests/support/window_document_win.h"
#include "tests/support/font_cell.h"
#include "tools/tool_bar_win.h"

// A 12 x 4 page, row 1 with empty cells, the select tool current and nothing floating.
class SelectTool : public WindowDocument {
protected:
    void SetUp() override
    {
        WindowDocument::SetUp();
        Open({"abcdefghijkl", "m..n........", "opqrstuvwxyz", "............"});
        ASSERT_EQ(0u, InitClipFormats());
    }

    // Puts the pointer on client pixel (x, y) and gives that point.
    POINTS PointerAt(int x, int y)
    {
        WindowDocument::PointerAt(x, y);
        return {static_cast<SHORT>(x), static_cast<SHORT>(y)};
    }
    POINTS Pointer(int col, int row) { return PointerAt(col * 8 + 4, row * 16 + 8); }
    void Drag(int col, int row, int toCol, int toRow) { WindowDocument::Drag(SelectMouse, col, row, toCol, toRow); }
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
};
