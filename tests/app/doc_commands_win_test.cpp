#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <string>

#include "app/doc_commands_win.h"
#include "app/doc_dims_win.h"
#include "base/memory.h"
#include "tests/support/dialogs_win.h"
#include "tests/support/real_document_win.h"
#include "tests/support/reports.h"

// The real document with 'x' in its first cell and 'z' in its last.
class DocCommands : public RealDocument {
protected:
    void SetUp() override
    {
        RealDocument::SetUp();
        document->now.back.data[0] = 'x';
        document->now.back.data[74 * 20 - 1] = 'z';
    }
};

TEST_F(DocCommands, DimensionsAreCheckedThenOneUndoStep)
{
    struct Case {
        const char *columns, *rows, *seen;
        int width;
    } cases[] = {
        {"74", "20", "74 x 20 -> closed", 74}, // the same size takes no undo step
        {"0", "10", "74 x 20 -> 1 x 10", 74},  // faulty fields show their nearest limits, the dialog stays
        {"600", "abc", "74 x 20 -> 500 x 1", 74},
        {"40", "16001", "74 x 20 -> 40 x 16000", 74},
        {"40", "10", "74 x 20 -> closed", 40},
    };
    for (const Case &test : cases) {
        ReportCatcher reports;
        std::future<std::string> answer = AnswerNumberDialog("Document Dimensions", 102, 105, [&](HWND dialog) {
            SetDlgItemTextA(dialog, 102, test.columns);
            SetDlgItemTextA(dialog, 105, test.rows);
        }, IDOK);
        DocumentDimsDialog(document);
        EXPECT_EQ(test.seen, answer.get());
        EXPECT_EQ(test.width, document->now.back.width);
        EXPECT_EQ(test.width != 74 ? 1 : 0, document->windowDirty);
        EXPECT_EQ(std::string(test.seen).find("closed") == std::string::npos ? 1 : 0, reports.messages);
    }
    EXPECT_EQ('x', GetCharPage(document->now.back, 0, 0));
    EXPECT_EQ(40, document->textColumns) << "the layout follows the new width";
    DocumentUndo(document);
    EXPECT_EQ('z', GetCharPage(document->now.back, 73, 19));
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
