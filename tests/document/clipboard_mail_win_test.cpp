#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/preferences.h"
#include "document/clipboard_win.h"
#include "tests/page/page_test_support.h"

// The clipboard is the machine's; each test starts it empty and leaves it so.
class ClipboardMail : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0u, InitClipFormats());
        ClipInitBoard(clip);
        ASSERT_EQ(0u, ClipClear(clip));
        std::strcpy(preferences.messagePrefix, "Hi");
    }
    void TearDown() override
    {
        ClipClear(clip);
        preferences = PreferencesDefaults();
    }

    // What ClipGet gives as `format`, up to its first 0.
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
        return bytes.c_str();
    }

    Clip clip;
};

TEST_F(ClipboardMail, CopiedTextGoesAsHtmlTooWithThePrefixAbove)
{
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"a<.", "&..", "..."}));
    ASSERT_EQ(0u, PageAddToClip(page, clip, false));
    PageKill(page);
    EXPECT_EQ("Hi\r\n  \r\na<\r\n& \r\n", Held(CF_TEXT));
    std::string html = Held(htmlClipFormat);
    std::size_t pre = html.find("<pre"), text = html.find('>', pre) + 1;
    ASSERT_NE(std::string::npos, pre) << html;
    EXPECT_EQ("Hi\r\n  \r\na&lt;\r\n&amp; \r\n</pre>", html.substr(text, html.find("</pre>") + 6 - text));
}

// The system converts each kind of text into the other; what was put there
// first is what is read.
TEST_F(ClipboardMail, UnicodeTextIsReadFoldedAndEightBitTextAsItIs)
{
    std::u16string unicode = u"A \u2192 B\t\u2026 caf\u00E9 \u201Cq\u201D";
    ASSERT_EQ(0u, ClipAdd(clip, CF_UNICODETEXT, unicode.c_str(), (unicode.size() + 1) * sizeof(char16_t), nullptr));
    EXPECT_EQ("A -> B\t... caf\xE9 \"q\"", Held(CF_TEXT));

    ASSERT_EQ(0u, ClipClear(clip));
    ASSERT_EQ(0u, ClipAdd(clip, CF_TEXT, "caf\xE9 \x93q\x94", 8, nullptr));
    EXPECT_EQ("caf\xE9 \x93q\x94", Held(CF_TEXT));
}
