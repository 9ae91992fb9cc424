#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/memory.h"
#include "base/preferences.h"
#include "document/clip_page.h"
#include "document/clipboard_win.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"

// The clipboard is the machine's; each test starts it empty and leaves it so.
class Clipboard : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0u, InitClipFormats());
        ClipInitBoard(clip);
        ASSERT_EQ(0u, ClipClear(clip));
        std::strcpy(savedPrefix, preferences.messagePrefix);
        std::strcpy(preferences.messagePrefix, "Hi");
    }
    void TearDown() override
    {
        ClipClear(clip);
        std::strcpy(preferences.messagePrefix, savedPrefix);
    }

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
    char savedPrefix[sizeof preferences.messagePrefix];
};

TEST_F(Clipboard, PageGoesAsTrimmedTextAndAsTheWholePage)
{
    UINT registered = pageClipFormat;
    ASSERT_EQ(0u, InitClipFormats());
    EXPECT_EQ(registered, pageClipFormat) << "the same name gives the same number";
    EXPECT_GE(pageClipFormat, 0xC000u);

    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"ab...", ".c...", "....."}));
    EXPECT_FALSE(ClipHas(clip, CF_TEXT));
    ASSERT_EQ(0u, PageAddToClip(page, clip, false));
    ASSERT_EQ(0u, PageAddToClip(page, clip, true));
    EXPECT_TRUE(ClipHas(clip, CF_TEXT)) << "adding the page kept the text";
    EXPECT_TRUE(ClipHas(clip, pageClipFormat));

    // The prefix, a line of spaces, then the used rows and columns only.
    EXPECT_EQ("Hi\r\n  \r\nab\r\n c\r\n", Held(CF_TEXT));

    std::string block = Held(pageClipFormat);
    Page back;
    ASSERT_EQ(0u, ClipToPage(back, reinterpret_cast<const unsigned char *>(block.data()), block.size()));
    EXPECT_EQ(PageRows(page), PageRows(back));
    EXPECT_EQ(PageBytes(page), PageBytes(back)) << "empty cells stay empty";
    PageKill(back);
    PageKill(page);
}

TEST_F(Clipboard, TextEndsAtItsFirstZeroAndOtherBlocksAreWhole)
{
    ASSERT_EQ(0u, ClipAdd(clip, CF_TEXT, "abc\0more", 8, nullptr));
    ASSERT_EQ(0u, ClipAdd(clip, pageClipFormat, "abc\0more", 8, nullptr));
    EXPECT_EQ("abc", Held(CF_TEXT));
    std::string block = Held(pageClipFormat);
    ASSERT_LE(8u, block.size());
    EXPECT_EQ(std::string("abc\0more", 8), block.substr(0, 8));

    ASSERT_EQ(0u, ClipAdd(clip, CF_TEXT, "xyz", 3, nullptr));
    EXPECT_EQ("xyz", Held(CF_TEXT)) << "the text was given its 0";
}

TEST_F(Clipboard, GettingWhatIsNotThereReportsOnceAndClosesTheClipboard)
{
    ReportCatcher reports;
    ErrorCode error = 0;
    std::size_t size = 99;
    EXPECT_EQ(nullptr, ClipGet(error, clip, pageClipFormat, size));
    EXPECT_NE(0u, error);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(0u, ClipClear(clip)) << "the clipboard can be opened again";
    EXPECT_EQ(1, reports.errors);
}

TEST_F(Clipboard, FailedConversionAddsNothing)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"ab.", "..c"}));
    for (bool direct : {false, true}) {
        FailEachAllocation([&] {
            EXPECT_EQ(0u, ClipClear(clip));
            ErrorCode error = PageAddToClip(page, clip, direct);
            EXPECT_EQ(!error, ClipHas(clip, direct ? pageClipFormat : CF_TEXT)) << direct;
            EXPECT_FALSE(ClipHas(clip, direct ? CF_TEXT : pageClipFormat)) << direct;
            return error;
        });
    }
    PageKill(page);
}
