// Test support: a real window holding a fresh document's tool bar state.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/test_window_win.h"

#include "tools/tool_bar_win.h"

const int testWidth = 640; // client width of the window

class ToolWindow : public testing::Test {
protected:
    void SetUp() override
    {
        document.window = TestWindowCreate("ToolWindowTest", DefWindowProcA, WS_POPUP | WS_VISIBLE, testWidth, 120);
        ASSERT_NE(nullptr, document.window);
        ValidateRect(document.window, nullptr);
        document.buttonEnd = toolBarBaseEnd;
        document.buttonStart = testWidth - 36;
    }
    void TearDown() override
    {
        ToolButtonsKill(&document);
        DestroyWindow(document.window);
    }

    bool Marked(int x, int y)
    {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(document.window, region, FALSE);
        bool marked = PtInRegion(region, x, y);
        DeleteObject(region);
        return marked;
    }

    Document document = {};
};
