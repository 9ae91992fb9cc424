#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "app/doc_files_win.h"
#include "app/doc_window_win.h"
#include "app/preferences_dialog_win.h"
#include "page/fonts_win.h"
#include "page/page.h"
#include "page/picture_chars.h"
#include "tests/support/dialogs_win.h"

// The program's messages in the order shown, instead of message boxes.
static std::vector<unsigned> shownMessages;

static void NoteMessage(ErrorCode, unsigned messageId)
{
    shownMessages.push_back(messageId);
}

// The default preferences, measured, and a 74 x 20 document in a hidden
// window of the real class.
class PrefsDialog : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(0u, CalculateFontNames()); }

    void SetUp() override
    {
        preferences = PreferencesDefaults();
        ASSERT_EQ(0u, CalculateFontGrays());
        InitDocWindows();
        ErrorCode error;
        document = DocumentCreate(error, "Test", 74, 20, SW_HIDE);
        ASSERT_NE(nullptr, document);
        previousHook = ReportHookSet(NoteMessage);
    }

    void TearDown() override
    {
        ReportHookSet(previousHook);
        shownMessages.clear();
        DocumentKill(theDocument, true);
        DestroyWindow(theWindow);
        theWindow = nullptr;
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) // the quit message too
            DispatchMessageA(&message);
        preferences = PreferencesDefaults();
    }

    Document *document = nullptr;
    ReportHook previousHook = nullptr;
};

static std::future<std::string> AnswerPreferences(std::function<void(HWND)> edit, int button = IDOK)
{
    return AnswerNumberDialog("Preferences", 207, 208, edit, button);
}

// Fills the fields and the check box, and clicks `button` (0 for none).
static std::function<void(HWND)> Entries(const char *columns, const char *rows, const char *grayChars = "AA",
                                         bool allowNonASCII = false, int button = 0)
{
    return [=](HWND dialog) {
        SetDlgItemTextA(dialog, 207, columns);
        SetDlgItemTextA(dialog, 208, rows);
        SetDlgItemTextA(dialog, 217, grayChars);
        CheckDlgButton(dialog, 219, allowNonASCII ? BST_CHECKED : BST_UNCHECKED);
        SendMessageA(dialog, WM_COMMAND, 219, 0);
        if (button)
            SendMessageA(dialog, WM_COMMAND, button, 0);
    };
}

TEST_F(PrefsDialog, ShowsThePreferencesAndSizesNewDocuments)
{
    std::string shown;
    std::future<std::string> answer = AnswerPreferences([&shown](HWND dialog) {
        shown = DialogField(dialog, 217) + "|" + DialogField(dialog, 214) + "|" + DialogField(dialog, 221);
        Entries("30", "12", defaultAChars)(dialog);
    });
    DoPreferencesDialog(document);
    EXPECT_EQ("74 x 24 -> closed", answer.get());
    EXPECT_EQ(std::string(defaultAChars) + "|9|Please view in a fixed-width font such as Courier.", shown);
    EXPECT_EQ(30, preferences.defaultWidth);
    EXPECT_EQ(12, preferences.defaultHeight);

    ErrorCode error;
    ASSERT_NE(nullptr, DocumentNew(error, SW_HIDE));
    EXPECT_EQ(30, theDocument->now.back.width);
    EXPECT_EQ(12, theDocument->now.back.height);
}

TEST_F(PrefsDialog, FaultsAreShownInOrderAndApplyNothing)
{
    struct Case {
        std::function<void(HWND)> edit;
        int button;
        const char *seen;
        std::vector<unsigned> messages;
    } cases[] = {
        {Entries("0", "20000"), IDOK, "74 x 24 -> 1 x 16000", {402}},
        {Entries("abc", "24"), IDOK, "74 x 24 -> 1 x 24", {402}},
        {Entries("74", "24", "A"), IDOK, "74 x 24 -> 74 x 24", {403}},
        {Entries("74", "24", "\xe9x"), IDOK, "74 x 24 -> 74 x 24", {401}},
        {Entries("600", "24", "\x01"), IDOK, "74 x 24 -> 500 x 24", {401, 402, 403}},
        {Entries("30", "12", "\xe9x", true, 226), IDCANCEL, "74 x 24 -> closed", {}}, // Default B, then Cancel
    };
    const Preferences defaults = PreferencesDefaults();
    for (const Case &test : cases) {
        std::future<std::string> answer = AnswerPreferences(test.edit, test.button);
        DoPreferencesDialog(document);
        EXPECT_EQ(test.seen, answer.get());
        EXPECT_EQ(test.messages, shownMessages) << test.seen;
        EXPECT_EQ(0, std::memcmp(&defaults, &preferences, sizeof defaults)) << "nothing applied: " << test.seen;
        shownMessages.clear();
    }
}

TEST_F(PrefsDialog, OnlyANewFontIsMeasuredAndOnlyANewLookIsLaidOut)
{
    const int cellWidth = fontWidth, cellHeight = fontHeight;
    fontWidth = 1000; // would be measured again
    document->textColumns = document->textRows = -1; // would be laid out again

    // New picture characters, dark first, non-ASCII allowed: only the grey mapping follows.
    std::future<std::string> answer = AnswerPreferences(Entries("74", "24", "#\xe9.", true));
    DoPreferencesDialog(document);
    EXPECT_EQ("74 x 24 -> closed", answer.get());
    EXPECT_EQ('.', grayChars[0]);
    EXPECT_EQ('#', grayChars[255]);
    EXPECT_EQ(1000, fontWidth);
    EXPECT_EQ(-1, document->textRows);

    // A background typed into the colour chooser: laid out again, not measured.
    answer = AnswerPreferences([](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(206, BN_CLICKED), 0); // the chooser is modal
        HWND chooser = DialogShown("Color");
        SetDlgItemInt(chooser, 706, 0x56, FALSE); // its red, green and blue fields
        SetDlgItemInt(chooser, 707, 0x34, FALSE);
        SetDlgItemInt(chooser, 708, 0x12, FALSE);
        SendMessageA(chooser, WM_COMMAND, IDOK, 0);
        for (int tries = 0; tries < 1000 && IsWindow(chooser); ++tries)
            Sleep(10);
    });
    DoPreferencesDialog(document);
    EXPECT_EQ("74 x 24 -> closed", answer.get());
    EXPECT_EQ(0x00123456u, preferences.backColor);
    EXPECT_EQ(1000, fontWidth);
    EXPECT_NE(-1, document->textRows);

    // A bigger size: measured again, then laid out in the new cell size.
    fontWidth = cellWidth;
    answer = AnswerPreferences([](HWND dialog) { SendDlgItemMessageA(dialog, 214, CB_SETCURSEL, 8, 0); });
    DoPreferencesDialog(document);
    EXPECT_EQ("74 x 24 -> closed", answer.get());
    EXPECT_EQ(14, preferences.displaySize);
    EXPECT_GE(fontWidth, cellWidth);
    RECT client;
    GetClientRect(document->window, &client);
    int pageHeight = client.bottom - pageTop;
    ASSERT_NE(pageHeight / cellHeight, pageHeight / fontHeight) << "the window is tall enough to tell";
    EXPECT_EQ(pageHeight / fontHeight, document->textRows) << "laid out in the new cell size";
}
