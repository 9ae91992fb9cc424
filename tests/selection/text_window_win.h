// Test support: a text tool (or big text tool) current in a window of 8 x 16
// pixel cells, nothing floating. The mouse button is up, so every drag makes
// one pass, ending where the pointer was put.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/preferences.h"
#include "selection/selection_win.h"
#include "selection/text_tool_win.h"
#include "tests/selection/window_document_win.h"
#include "tests/support/font_cell.h"
#include "tools/tool_bar_win.h"

class TextWindow : public testing::Test {
protected:
    // Opens the window on a page of `rows`, `tool` current.
    void Open(const char *className, int width, int height, const Rows &rows, int tool)
    {
        preferences = PreferencesDefaults();
        WindowDocumentOpen(document, className, width, height, rows);
        ToolSelect(&document, tool);
        ASSERT_EQ(0u, DocStateCopy(document.now, document.last));
        theDocument = &document;
    }
    void TearDown() override
    {
        SelectTemp(&document, 1, nullptr);
        ToolButtonsKill(&document);
        WindowDocumentClose(document);
        theDocument = nullptr;
        preferences = PreferencesDefaults();
    }

    static POINTS Middle(int col, int row) { return {SHORT(col * 8 + 4), SHORT(row * 16 + 8)}; }
    void Pointer(int col, int row)
    {
        POINT screen = {col * 8 + 4, row * 16 + 8};
        ClientToScreen(document.window, &screen);
        SetCursorPos(screen.x, screen.y);
    }
    void Click(int col, int row)
    {
        Pointer(col, row);
        TextMouse(&document, Middle(col, row));
    }
    // Each character through the current tool's key procedure.
    void Type(const std::string &keys)
    {
        for (char key : keys)
            tools[document.now.tool].keyProc(&document, key);
    }
    void Paste(const std::string &text)
    {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size());
        std::memcpy(GlobalLock(block), text.data(), text.size());
        GlobalUnlock(block);
        TextReceive(&document, block, static_cast<std::uint32_t>(text.size()));
        GlobalFree(block);
    }
    std::string Text()
    {
        const DocState &now = document.now;
        return now.handle ? std::string(static_cast<const char *>(now.handle), now.used) : "";
    }
    // floating, floatCol, floatRow, front width and height.
    std::string Where()
    {
        const DocState &now = document.now;
        char where[40] = "0";
        if (now.floating)
            std::snprintf(where, sizeof where, "1 %d %d %d %d", now.floatCol, now.floatRow, now.front.width,
                          now.front.height);
        return where;
    }

    FontCell font{8, 16};
    Document document = {};
};
