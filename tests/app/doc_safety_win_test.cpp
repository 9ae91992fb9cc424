// Opening, undoing and ending the session never lose a drawing or tie a
// page to a file it does not hold whole (reopening a changed file and a file
// too long to hold are the end-to-end scenarios').
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/doc_commands_win.h"
#include "app/doc_files_win.h"
#include "app/doc_window_win.h"
#include "base/preferences.h"
#include "tests/support/dialogs_win.h"
#include "tests/support/reports.h"
#include "tools/tool_bar_win.h"

// Files in a folder of their own, opened into the real window, which is shown
// so that it keeps what is marked for repainting.
class DocSafety : public testing::Test {
protected:
    void SetUp() override
    {
        InitDocWindows();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "glyphwright-safety-" + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    }

    void TearDown() override
    {
        if (theDocument)
            DocumentKill(theDocument, true);
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) // the quit message too
            DispatchMessageA(&message);
        for (const char *name : {"same.txt", "fill.txt"})
            DeleteFileA((folder + name).c_str());
        RemoveDirectoryA(folder.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brellow Software");
        preferences = PreferencesDefaults();
    }

    // Writes `bytes` to file `name` and opens it.
    Document *Open(const char *name, const std::string &bytes)
    {
        std::ofstream(folder + name, std::ios::binary) << bytes;
        DocumentOpen((folder + name).c_str(), SW_SHOWNOACTIVATE);
        return theDocument;
    }

    std::string Read(const char *name) const
    {
        std::ostringstream bytes;
        bytes << std::ifstream(folder + name, std::ios::binary).rdbuf();
        return bytes.str();
    }

    static std::string Title()
    {
        char title[300] = "";
        GetWindowTextA(theWindow, title, sizeof title);
        return title;
    }

    std::string folder;
};

TEST_F(DocSafety, APageLeftEmptyByAFailedFillIsUntitled)
{
    // More lines than wrapping notes without a block of its own, so that filling can run out of memory.
    std::ofstream(folder + "fill.txt", std::ios::binary) << "x" << std::string(64, '\r');
    int emptyPages = 0;
    FailEachAllocation([&] {
        DocumentOpen((folder + "fill.txt").c_str(), SW_HIDE);
        if (!theDocument)
            return static_cast<ErrorCode>(ERROR_NOT_ENOUGH_MEMORY); // nothing was made of the file
        bool filled = GetCharPage(theDocument->now.back, 0, 0) == 'x';
        emptyPages += !filled;
        EXPECT_EQ(filled, theDocument->windowFiled == 1);
        EXPECT_EQ(filled ? "fill.txt - Glyphwright" : "Untitled - Glyphwright", Title());
        DocumentKill(theDocument, false);
        return static_cast<ErrorCode>(filled ? 0 : ERROR_NOT_ENOUGH_MEMORY);
    });
    EXPECT_GT(emptyPages, 0);
}

TEST_F(DocSafety, TheSessionsEndAsksAsACloseWouldAndKeepsThePreferences)
{
    Document *document = Open("same.txt", "ab");
    ASSERT_NE(nullptr, document);
    struct Case {
        int button;
        LRESULT mayEnd;
        const char *saved;
    } cases[] = {{IDCANCEL, FALSE, "ab"}, {IDNO, TRUE, "ab"}, {IDYES, TRUE, "xb\r\n"}};
    for (const Case &test : cases) {
        document->now.back.data[0] = 'x';
        document->windowDirty = 1;
        auto answer = AnswerNextMessageBox(test.button);
        EXPECT_EQ(test.mayEnd, SendMessageA(theWindow, WM_QUERYENDSESSION, 0, 0)) << test.button;
        EXPECT_EQ("Save Changes to Document?", answer.get().text);
        EXPECT_EQ(test.saved, Read("same.txt")) << test.button;
    }
    EXPECT_TRUE(SendMessageA(theWindow, WM_QUERYENDSESSION, 0, 0)) << "saved: nothing to ask";

    preferences.tipNumber = 7;
    SendMessageA(theWindow, WM_ENDSESSION, TRUE, 0);
    preferences = PreferencesDefaults();
    ASSERT_EQ(0u, LoadPreferences());
    EXPECT_EQ(7, preferences.tipNumber);
}

TEST_F(DocSafety, UndoRepaintsTheButtonOfTheToolItBringsBack)
{
    Document *document = Open("same.txt", "ab");
    ASSERT_NE(nullptr, document);
    document->now.tool = toolPencil;
    document->last.tool = toolLine;
    UpdateWindow(theWindow);
    DocumentUndo(document);
    HRGN marked = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(theWindow, marked, FALSE);
    for (int tool : {toolPencil, toolLine})
        EXPECT_TRUE(PtInRegion(marked, tools[tool].left + toolButtonWidth / 2, buttonTop + 1)) << tool;
    DeleteObject(marked);
}
