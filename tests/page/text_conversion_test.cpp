#include "page/text_conversion.h"
#include "page/text_unicode.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/memory.h"
#include "base/preferences.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"
#include "tests/support/restore.h"

// The rows of `text` wrapped onto a new page.
static Rows Wrap(const std::string &text, int width, Justification justify, int height = 0)
{
    Page page;
    EXPECT_EQ(0u, TextToPage(page, width, height, justify, TextBytes(text), text.size()));
    EXPECT_EQ(width, page.width);
    Rows rows = PageRows(page);
    PageKill(page);
    return rows;
}

static std::string Written(const Rows &rows, bool filing)
{
    Page page;
    EXPECT_EQ(0u, PageFromRows(page, rows));
    unsigned char *text = nullptr;
    std::size_t size = 0;
    EXPECT_EQ(0u, PageToText(text, size, page, filing));
    EXPECT_EQ(0, text[size]) << "the block ends in a 0 byte";
    std::string written(reinterpret_cast<char *>(text), size);
    Destroy(text);
    PageKill(page);
    return written;
}

TEST(TextConversion, TranslateFoldsEveryByteToPlainASCII)
{
    std::string text = "\xE9\x93\x94\x97\t\x03" "A\x7F\xC5\xFF\x80\n\r\xE9";
    TextTranslate(reinterpret_cast<unsigned char *>(&text[0]), text.size() - 1);
    EXPECT_EQ("e\"\"-\t\rA Ay \n\r\xE9", text) << "only textSize bytes change";
    for (int c = 0; c < 256; ++c) {
        unsigned char b = static_cast<unsigned char>(c);
        TextTranslate(&b, 1);
        EXPECT_TRUE(c >= 0x20 && c < 0x7F ? b == c : b == '\t' || b == '\n' || b == '\r' || (b >= 0x20 && b < 0x7F))
            << c;
    }
}

TEST(TextConversion, PointerDims)
{
    struct Case {
        std::string text;
        int wrap, width, height;
    } cases[] = {
        {"hello\r\nab", 80, 5, 2}, {"aaaa bbbb cccc", 9, 9, 2}, {"abcdefghijkl", 5, 5, 3},
        {"ab\ncd", 80, 5, 1},     {"ab\r\r\n", 80, 2, 3},      {"ab\r\ncd", 2, 2, 2},
    };
    for (const Case &test : cases) {
        int width = test.wrap, height = -1;
        PagePointerDims(TextBytes(test.text), test.text.size(), width, height);
        EXPECT_TRUE(width == test.width && height == test.height) << test.text << " at " << test.wrap;
    }
}

TEST(TextConversion, WrapAndJustify)
{
    const LayoutCase cases[] = {
        {"abc\r\n", 10, justLeft, {"abc.......", ".........."}}, // the text after the last line end is a line
        {"aaaa bbbb cccc", 9, justLeft, {"aaaa bbbb", "cccc....."}},
        {"aaaa bbbb cccc", 6, justLeft, {"aaaa..", "bbbb..", "cccc.."}},
        {"abcdefghijkl", 5, justLeft, {"abcde", "fghij", "kl..."}},
        {"  ab\ncd\tx", 10, justLeft, {"  ab\ncd\tx."}}, // leading spaces stay; a lone LF and a tab are copied
        {"abc", 10, justRight, {".......abc"}},
        {"ab  \r\n", 5, justRight, {"...ab", "....."}}, // trailing spaces dropped
        {"a b c defghijklm", 12, justJustify, {"a    b     c", "defghijklm.."}},
        {"aa bb c d", 5, justJustify, {"aa bb", "c d.."}}, // the last line is not spread
        {"a b\n cc", 4, justJustify, {"a b.", "cc.."}},   // nor one ending a paragraph
    };
    for (const LayoutCase &test : cases)
        EXPECT_EQ(test.rows, Wrap(test.text, test.width, test.justify)) << test.text;
    EXPECT_EQ((Rows{"aaaa..", "bbbb.."}), Wrap("aaaa bbbb cccc", 6, justLeft, 2));
    // A short text keeps its line ends on the stack; a long one needs a block for them besides the page.
    for (int copies : {1, 5}) {
        std::string text;
        for (int i = 0; i < copies; ++i)
            text += "aaaa bbbb cccc ";
        EXPECT_EQ(copies == 1 ? 2 : 4, FailEachAllocation([&] {
            Page page = {7, 9, nullptr};
            ErrorCode error = TextToPage(page, 6, 0, justLeft, TextBytes(text), text.size());
            EXPECT_TRUE(!error || (page.width == 7 && page.height == 9 && !page.data));
            PageKill(page);
            return error;
        })) << copies;
    }
}

// Onto a page the text writes only the cells its characters fall on, and the
// page grows only downward, keeping what it held.
TEST(TextConversion, OntoAPage)
{
    const std::string text = "ab cd";
    Page page;
    ASSERT_EQ(0u, PageFromRows(page, {"xxxxxx", "xxxxxx"}));
    int lines = 0;
    ASSERT_EQ(0u, TextOntoPage(page, 1, 0, 3, justRight, TextBytes(text), text.size(), lines));
    EXPECT_EQ(2, lines);
    EXPECT_EQ((Rows{"xxabxx", "xxcdxx"}), PageRows(page));
    ASSERT_EQ(0u, TextOntoPage(page, 2, 1, 4, justLeft, TextBytes(text), text.size(), lines));
    EXPECT_EQ((Rows{"xxabxx", "xxabxx", "..cd.."}), PageRows(page));
    EXPECT_EQ(1, FailEachAllocation([&] {
        ErrorCode error = TextOntoPage(page, 0, 2, 6, justLeft, TextBytes("a\rb"), 3, lines);
        EXPECT_TRUE(!error || PageRows(page) == (Rows{"xxabxx", "xxabxx", "..cd.."})) << "unchanged when it cannot grow";
        return error;
    }, false));
    PageKill(page);
}

TEST(TextConversion, PageToText)
{
    Restore kept(preferences);
    std::strcpy(preferences.messagePrefix, "ab c");
    Rows xPage = {"x..", "..."};
    EXPECT_EQ("x  \r\n   \r\n", Written(xPage, true));
    // Trimmed to the one used cell; the prefix wraps at one column, its space gone.
    EXPECT_EQ("a\r\nb\r\nc\r\n \r\nx\r\n", Written(xPage, false));
    // Only the right and bottom margins go; the prefix is centred on what is left.
    std::strcpy(preferences.messagePrefix, "Hi");
    EXPECT_EQ(" Hi \r\n    \r\n    \r\n  ab\r\n", Written({"..........", "..ab......", "..........", "........ ."}, false));
    EXPECT_EQ("Hi\r\n  \r\n  \r\n  \r\n", Written({" .", ".."}, false)) << "nothing used keeps the whole page";
    for (bool filing : {true, false})
        FailEachAllocation([&] {
            Page page;
            ErrorCode error = PageFromRows(page, {"ab.", "..."});
            if (error)
                return error;
            unsigned char *text = nullptr;
            std::size_t size = 99;
            error = PageToText(text, size, page, filing);
            EXPECT_TRUE(!error || (!text && size == 99 && PageRows(page) == Rows{"ab.", "..."}));
            Destroy(text);
            PageKill(page);
            return error;
        });
}

static std::string Folded(const std::u16string &text)
{
    std::size_t size = TextFoldUnicode(text.data(), text.size(), nullptr);
    EXPECT_LE(size, text.size() * maxFoldBytes);
    std::string out(size, '\0');
    EXPECT_EQ(size, TextFoldUnicode(text.data(), text.size(), reinterpret_cast<unsigned char *>(&out[0])));
    return out;
}

TEST(TextUnicode, FoldsDrawingsAndNotesToLookAlikes)
{
    struct Case {
        std::u16string text;
        std::string folded;
    } cases[] = {
        {u"\u250C\u2500\u2510\u2502\u2554\u2550\u256C\u2501\u2571\u2573 \u2591\u2588", "+-+|+=+-/X ##"},
        {u"\u2192\u21D2\u27F6 \u2026 \u2713\u2610 \u2022\u2014 \u201Cq\u2019", "->=>--> ... v[ ] *- \"q'"},
        {u"a\u00A0b\u3000c\u200Bd\uFEFF\u2028", "a b cd\r\n"},
        {u"caf\u00E9\u20AC\u0081", "caf\xE9\x80\x81"},           // the unassigned bytes, as the system maps them
        {u"\u0080\u4E2D\U0001F600!\xD800!\xDC00", "???" "!?!?"}, // outside the set; pairs and their halves alone
        {u"", ""},
    };
    for (const Case &test : cases)
        EXPECT_EQ(test.folded, Folded(test.text)) << testing::PrintToString(test.folded);
}

// Every 8-bit character survives the journey to Unicode and back, but for
// the typographic ones that become plain ASCII on the way.
TEST(TextUnicode, EightBitTextComesBackAsItWent)
{
    for (int byte = 0; byte < 256; ++byte) {
        std::string back = Folded(std::u16string(1, TextByteUnicode(static_cast<unsigned char>(byte))));
        if (back.size() != 1 || static_cast<unsigned char>(back[0]) != byte) {
            EXPECT_TRUE(byte >= 0x80 && byte <= 0xA0) << byte;
            for (char ascii : back)
                EXPECT_TRUE(ascii >= 32 && ascii < 127) << byte;
        }
    }
    EXPECT_TRUE(TextByteUnicode(0x80) == u'\u20AC' && TextByteUnicode(0x9F) == u'\u0178');
}
