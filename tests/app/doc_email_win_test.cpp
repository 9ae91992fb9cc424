#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <string>

#include "app/doc_files_win.h"
#include "app/doc_window_win.h"
#include "app/preferences_dialog_win.h"
#include "base/memory.h"
#include "document/doc_email_win.h"
#include "page/fonts_win.h"
#include "tests/support/dialogs_win.h"
#include "tests/support/reports.h"

// An 80 x 3 document, its drawing reaching the last column, in a hidden
// window of the real class, under the default preferences.
class EmailWidth : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(0u, CalculateFontNames()); }

    void SetUp() override
    {
        preferences = PreferencesDefaults();
        ASSERT_EQ(0u, CalculateFontGrays());
        InitDocWindows();
        ErrorCode error;
        document = DocumentCreate(error, "Test", 80, 3, SW_HIDE);
        ASSERT_NE(nullptr, document);
        document->now.back.data[79] = 'x';
    }

    void TearDown() override
    {
        DocumentKill(theDocument, true);
        DestroyWindow(theWindow);
        theWindow = nullptr;
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) // the quit message too
            DispatchMessageA(&message);
        preferences = PreferencesDefaults();
    }

    Document *document = nullptr;
};

// Only Yes sends: the question's other answers, and the tests' own hook,
// leave the mail library alone (it would say message 405 here).
TEST_F(EmailWidth, AWideDrawingGoesOnlyIfTheUserSaysSo)
{
    long live = MemoryLiveBlocks();
    std::future<BoxSeen> box = AnswerNextMessageBox(IDNO);
    DocumentToClient(document);
    EXPECT_EQ("This drawing is 80 columns wide; many mail programs re-wrap lines longer than 76 characters. "
              "Send it anyway?",
              box.get().text);

    ReportCatcher reports;
    DocumentToClient(document);
    EXPECT_EQ(1, reports.messages);
    EXPECT_EQ(408u, reports.lastMessage);
    EXPECT_EQ(0, reports.errors);
    EXPECT_EQ(live, MemoryLiveBlocks());
}

TEST_F(EmailWidth, PreferencesTurnTheQuestionOffAndOnAgain)
{
    for (bool quiet : {true, false}) {
        bool asked = false;
        std::future<std::string> answer = AnswerNumberDialog("Preferences", 207, 208, [&asked](HWND dialog) {
            asked = IsDlgButtonChecked(dialog, 227) == BST_CHECKED;
            CheckDlgButton(dialog, 227, asked ? BST_UNCHECKED : BST_CHECKED);
            SendMessageA(dialog, WM_COMMAND, 227, 0);
        }, IDOK);
        DoPreferencesDialog(document);
        EXPECT_EQ("74 x 24 -> closed", answer.get());
        EXPECT_EQ(quiet, asked) << "the box showed the setting before the click";
        EXPECT_EQ(quiet, preferences.emailWidthQuiet != 0);
    }
}
