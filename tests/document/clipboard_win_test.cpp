#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/preferences.h"
#include "document/clip_page.h"
#include "document/clipboard_win.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"
#include "tests/support/restore.h"

// The clipboard is the machine's; each test starts it empty and leaves it so.
class Clipboard : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0u, InitClipFormats());
        ClipInitBoard(clip);
        ASSERT_EQ(0u, ClipClear(clip));
        std::strcpy(preferences.messagePrefix, "Hi");
    }
    void TearDown() override { ClipClear(clip); }

    // The bytes the clipboard holds as `format`, as ClipGet reports them.
    std::string Held(UINT format)
    {
        ErrorCode error;
        std::size_t size = 0;
        HANDLE data = ClipGet(error, clip, format, size);
        if (!data)
            return "(none)";
        std::string bytes(static_cast<const char *>(GlobalLock(data)), size);
        GlobalUnlock(data);
        ClipDone(clip);
        return bytes;
    }

    Clip clip;
    Restore kept{preferences};
};

TEST_F(Clipboard, PageGoesAsTrimmedTextAndAsTheWholePage)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"ab...", ".c...", "....."}));
    ASSERT_EQ(0u, PageAddToClip(page, clip, false));
    ASSERT_EQ(0u, PageAddToClip(page, clip, true));
    EXPECT_EQ("Hi\r\n  \r\nab\r\n c\r\n", Held(CF_TEXT)) << "the prefix, a line of spaces, the used cells";
    std::string block = Held(pageClipFormat);
    Page back;
    ASSERT_EQ(0u, ClipToPage(back, TextBytes(block), block.size()));
    EXPECT_EQ(PageBytes(page), PageBytes(back)) << "empty cells stay empty";
    PageKill(back);
    for (bool direct : {false, true})
        FailEachAllocation([&] {
            EXPECT_EQ(0u, ClipClear(clip));
            ErrorCode error = PageAddToClip(page, clip, direct);
            EXPECT_EQ(!error, ClipHas(clip, direct ? pageClipFormat : CF_TEXT)) << direct;
            EXPECT_FALSE(ClipHas(clip, direct ? CF_TEXT : pageClipFormat)) << direct;
            return error;
        });
    PageKill(page);
}

TEST_F(Clipboard, TextEndsAtItsFirstZeroAndWhatIsNotThereIsReportedOnce)
{
    ASSERT_EQ(0u, ClipAdd(clip, CF_TEXT, "abc\0more", 8, nullptr));
    ASSERT_EQ(0u, ClipAdd(clip, pageClipFormat, "abc\0more", 8, nullptr));
    EXPECT_EQ("abc", Held(CF_TEXT));
    EXPECT_EQ(std::string("abc\0more", 8), Held(pageClipFormat).substr(0, 8)) << "other blocks are whole";
    ASSERT_EQ(0u, ClipClear(clip));
    ReportCatcher reports;
    EXPECT_EQ("(none)", Held(pageClipFormat));
    EXPECT_EQ(0u, ClipClear(clip)) << "the clipboard can be opened again";
    EXPECT_EQ(1, reports.errors);
}
