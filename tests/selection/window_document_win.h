// Test support: a document whose page area is the whole client area of a
// real visible window.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "document/document.h"
#include "tests/page/page_test_support.h"
#include "tests/support/test_window_win.h"

// Gives `document` a window of class `className`, `width` x `height` pixels,
// a back page of `rows` and a hidden outline; the undo state is the caller's.
inline void WindowDocumentOpen(Document &document, const char *className, int width, int height, const Rows &rows)
{
    document.window = TestWindowCreate(className, DefWindowProcA, WS_POPUP | WS_VISIBLE, width, height);
    ASSERT_NE(nullptr, document.window);
    document.textRect = {0, 0, width, height};
    document.penStyle = penStyleHidden;
    ASSERT_EQ(0u, PageFromRows(document.now.back, rows));
}

inline void WindowDocumentClose(Document &document)
{
    DocStateKill(document.now);
    DocStateKill(document.last);
    DestroyWindow(document.window);
}
