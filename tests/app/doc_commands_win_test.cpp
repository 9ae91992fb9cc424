#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <string>

#include "app/doc_commands_win.h"
#include "app/doc_dims_win.h"
#include "app/doc_files_win.h"
#include "app/doc_window_win.h"
#include "base/memory.h"
#include "document/doc_email_win.h"
#include "tests/support/dialogs_win.h"
#include "tests/support/reports.h"

// A 74 x 20 document in a hidden window of the real class, unchanged, with
// 'x' in its first cell and 'z' in its last.
class DocCommands : public testing::Test {
protected:
    void SetUp() override
    {
        InitDocWindows();
        ErrorCode error;
        document = DocumentCreate(error, "Test", 74, 20, SW_HIDE);
        ASSERT_NE(nullptr, document);
        document->now.back.data[0] = 'x';
        document->now.back.data[74 * 20 - 1] = 'z';
    }

    void TearDown() override
    {
        DocumentKill(theDocument, true);
        DestroyWindow(theWindow);
        theWindow = nullptr;
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) // the quit message too
            DispatchMessageA(&message);
    }

    Document *document = nullptr;
};

// Types `columns` and `rows` into the Dimensions dialog once it shows and
// presses OK.
static std::future<std::string> AnswerDimensions(std::string columns, std::string rows)
{
    return AnswerNumberDialog("Document Dimensions", 102, 105, [columns, rows](HWND dialog) {
        SetDlgItemTextA(dialog, 102, columns.c_str());
        SetDlgItemTextA(dialog, 105, rows.c_str());
    }, IDOK);
}

TEST_F(DocCommands, NewDimensionsAreOneUndoStep)
{
    std::future<std::string> answer = AnswerDimensions("40", "10");
    DocumentDimsDialog(document);
    EXPECT_EQ("74 x 20 -> closed", answer.get());
    EXPECT_EQ(40, document->now.back.width);
    EXPECT_EQ(10, document->now.back.height);
    EXPECT_EQ('x', GetCharPage(document->now.back, 0, 0));
    EXPECT_EQ(1, document->windowDirty);
    EXPECT_EQ(40, document->textColumns) << "the layout follows the new width";
    DocumentUndo(document);
    EXPECT_EQ(74, document->now.back.width);
    EXPECT_EQ(20, document->now.back.height);
    EXPECT_EQ('z', GetCharPage(document->now.back, 73, 19));
}

TEST_F(DocCommands, SameDimensionsMakeNoUndoPoint)
{
    std::future<std::string> answer = AnswerDimensions("74", "20");
    DocumentDimsDialog(document);
    EXPECT_EQ("74 x 20 -> closed", answer.get());
    EXPECT_EQ(0, document->windowDirty);
}

TEST_F(DocCommands, FaultyDimensionsShowTheLimitsAndKeepTheDialogOpen)
{
    struct Case {
        const char *columns, *rows, *seen;
    } cases[] = {
        {"0", "10", "74 x 20 -> 1 x 10"},
        {"600", "abc", "74 x 20 -> 500 x 1"},
        {"40", "16001", "74 x 20 -> 40 x 16000"},
    };
    for (const Case &test : cases) {
        ReportCatcher reports;
        std::future<std::string> answer = AnswerDimensions(test.columns, test.rows);
        DocumentDimsDialog(document);
        EXPECT_EQ(test.seen, answer.get());
        EXPECT_EQ(1, reports.messages);
        EXPECT_EQ(402u, reports.lastMessage);
        EXPECT_EQ(74, document->now.back.width);
        EXPECT_EQ(0, document->windowDirty);
    }
}

// Simple MAPI hands messages to the mail client named by this key's default
// value (Wine's own passes them to a browser); while alive, it names none.
class NoMailClient {
public:
    NoMailClient()
    {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &key, nullptr);
        DWORD size = sizeof saved;
        had = !RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE *>(saved), &size);
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>("None"), 5);
    }
    ~NoMailClient()
    {
        if (had)
            RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(saved), lstrlenA(saved) + 1);
        else
            RegDeleteValueA(key, nullptr);
        RegCloseKey(key);
    }

private:
    HKEY key = nullptr;
    char saved[256] = "";
    bool had = false;
};

TEST_F(DocCommands, SendEmailWithoutAMailClientSaysSoAndKeepsNothing)
{
    NoMailClient noClient;
    for (bool floating : {false, true}) {
        if (floating) {
            document->now.floating = 1;
            ASSERT_EQ(0u, PageNew(document->now.front, 3, 2));
        }
        ReportCatcher reports;
        long live = MemoryLiveBlocks();
        std::future<BoxSeen> wineBox = AnswerNextMessageBox(IDOK); // Wine's own word that it has no client
        DocumentToClient(document);
        wineBox.get();
        EXPECT_EQ(0, reports.errors);
        EXPECT_EQ(1, reports.messages);
        EXPECT_EQ(405u, reports.lastMessage);
        EXPECT_EQ(live, MemoryLiveBlocks());
    }

    ReportCatcher reports;
    long live = MemoryLiveBlocks();
    MemoryFailAt(1);
    DocumentToClient(document);
    MemoryFailAt(0);
    EXPECT_EQ(1, reports.errors) << "the text could not be written";
    EXPECT_EQ(0, reports.messages) << "and the mail library was not tried";
    EXPECT_EQ(live, MemoryLiveBlocks());
    EXPECT_EQ(0, document->windowDirty);
}

TEST_F(DocCommands, TrackSeesTextPicturesAndPages)
{
    ASSERT_EQ(0u, InitClipFormats());
    Clip clip;
    ClipInitBoard(clip);
    struct Case {
        UINT format;
        bool pastable;
    } cases[] = {{RegisterClipboardFormatA("Glyphwright Other"), false}, {pageClipFormat, true}, {CF_DIB, true},
                 {pngClipFormat, true}, {CF_TEXT, true}};
    for (const Case &test : cases) {
        ASSERT_EQ(0u, ClipClear(clip));
        ASSERT_EQ(0u, ClipAdd(clip, test.format, "not really anything", 20, nullptr));
        EXPECT_EQ(test.pastable, DocumentTrack(document, clip)) << test.format;
    }
    ClipClear(clip);
}
