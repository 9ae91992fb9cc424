#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "app/preferences_dialog_win.h"
#include "base/memory.h"
#include "document/doc_email_win.h"
#include "page/fonts_win.h"
#include "page/picture_chars.h"
#include "tests/page/picture_test_support.h"
#include "tests/support/dialogs_win.h"
#include "tests/support/real_document_win.h"
#include "tests/support/reports.h"

// The program's messages in the order shown, instead of message boxes.
static std::vector<unsigned> shownMessages;

static void NoteMessage(ErrorCode, unsigned messageId)
{
    shownMessages.push_back(messageId);
}

// The default preferences, measured, and the real document.
class PrefsDialog : public RealDocument {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(0u, CalculateFontNames()); }
    void SetUp() override
    {
        preferences = PreferencesDefaults();
        ASSERT_EQ(0u, CalculateFontGrays());
        RealDocument::SetUp();
        previousHook = ReportHookSet(NoteMessage);
    }
    void TearDown() override
    {
        ReportHookSet(previousHook);
        shownMessages.clear();
        RealDocument::TearDown();
    }

    SavedTables tables;
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


TEST_F(PrefsDialog, AMissingDisplayFontGivesWayToAFixedOne)
{
    std::strcpy(preferences.displayFont, "No Such Font");
    auto answer = AnswerPreferences([](HWND) {});
    DoPreferencesDialog(document);
    EXPECT_EQ("74 x 24 -> closed", answer.get());
    bool fixed = false;
    for (int font = 0; font < numFonts; ++font)
        fixed |= fontData[font].fixed && !std::strcmp(fontData[font].name, preferences.displayFont);
    EXPECT_TRUE(fixed) << "'" << preferences.displayFont << "'";
}

// Only Yes mails a drawing wider than mail keeps: the question's other
// answers, and the tests' own hook, leave the mail library alone (it would
// say message 405 here). The Preferences check box turns the question off.
TEST_F(PrefsDialog, AWideDrawingIsMailedOnlyIfTheUserSaysSo)
{
    ASSERT_EQ(0u, PageResize(document->now.back, 80, 3));
    document->now.back.data[79] = 'x';
    ReportHookSet(previousHook); // the question is a message box
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

    for (bool quiet : {true, false}) {
        bool asked = false;
        auto answer = AnswerPreferences([&asked](HWND dialog) {
            asked = IsDlgButtonChecked(dialog, 227) == BST_CHECKED;
            CheckDlgButton(dialog, 227, asked ? BST_UNCHECKED : BST_CHECKED);
            SendMessageA(dialog, WM_COMMAND, 227, 0);
        });
        DoPreferencesDialog(document);
        EXPECT_EQ("74 x 24 -> closed", answer.get());
        EXPECT_EQ(quiet, asked) << "the box showed the setting before the click";
        EXPECT_EQ(quiet, preferences.emailWidthQuiet != 0);
    }
}
