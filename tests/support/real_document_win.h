// Test support: the program's own document window, for the tests of the
// commands, the files and the dialogs. Each test starts with a 74 x 20
// document, unchanged, in a hidden window of the real class, and ends with
// neither; the preferences and the display font's cell are put back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "app/doc_files_win.h"
#include "app/doc_window_win.h"
#include "base/preferences.h"
#include "tests/support/restore.h"

class RealDocument : public testing::Test {
protected:
    void SetUp() override
    {
        InitDocWindows();
        ErrorCode error;
        document = DocumentCreate(error, "Test", 74, 20, SW_HIDE);
        ASSERT_NE(nullptr, document);
    }
    void TearDown() override
    {
        if (theDocument)
            DocumentKill(theDocument, true);
        if (theWindow)
            DestroyWindow(theWindow);
        theWindow = nullptr;
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) // the quit message too
            DispatchMessageA(&message);
    }

    Restore kept{preferences, fontWidth, fontHeight};
    Document *document = nullptr;
};
