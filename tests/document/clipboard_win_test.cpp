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
        EXPECT_EQ(nullptr, clip.folded) << "the folded copy went with the transaction";
        return bytes;
    }

    Clip clip;
    Restore kept{preferences};
};

TEST_F(Clipboard, PageGoesAsTrimmedTextAndAsTheWholePage)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"a<...", ".&...", "....."}));
    ASSERT_EQ(0u, PageAddToClip(page, clip, false));
    ASSERT_EQ(0u, PageAddToClip(page, clip, true));
    EXPECT_EQ("Hi\r\n  \r\na<\r\n &\r\n", Held(CF_TEXT)) << "the prefix, a line of spaces, the used cells";
    std::string html = Held(htmlClipFormat); // and as HTML, for mail
    std::size_t text = html.find('>', html.find("<pre")) + 1;
    EXPECT_EQ("Hi\r\n  \r\na&lt;\r\n &amp;\r\n</pre>", html.substr(text, html.find("</pre>") + 6 - text));
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

// The system converts each kind of text into the other; what was put there
// first is what is read.
TEST_F(Clipboard, UnicodeTextIsReadFoldedAndEightBitTextAsItIs)
{
    std::u16string unicode = u"A \u2192 B\t\u2026 caf\u00E9 \u201Cq\u201D";
    ASSERT_EQ(0u, ClipAdd(clip, CF_UNICODETEXT, unicode.c_str(), (unicode.size() + 1) * sizeof(char16_t), nullptr));
    EXPECT_EQ("A -> B\t... caf\xE9 \"q\"", Held(CF_TEXT));

    ASSERT_EQ(0u, ClipClear(clip));
    ASSERT_EQ(0u, ClipAdd(clip, CF_TEXT, "caf\xE9 \x93q\x94", 8, nullptr));
    EXPECT_EQ("caf\xE9 \x93q\x94", Held(CF_TEXT));
}
