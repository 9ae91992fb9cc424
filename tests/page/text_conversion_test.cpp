#include "page/text_conversion.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/memory.h"
#include "base/preferences.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"

namespace {

const unsigned char *Bytes(const std::string &text)
{
    return reinterpret_cast<const unsigned char *>(text.data());
}

// The rows of `text` wrapped onto a new page.
Rows Wrap(const std::string &text, int width, Justification justify, int height = 0)
{
    Page page;
    EXPECT_EQ(0u, TextToPage(page, width, height, justify, Bytes(text), text.size()));
    PageCheck(page);
    EXPECT_EQ(width, page.width);
    Rows rows = PageRows(page);
    PageKill(page);
    return rows;
}

std::string Written(const Rows &rows, bool filing)
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

// Sets the message prefix for one test.
struct MessagePrefix {
    explicit MessagePrefix(const char *prefix)
    {
        std::memcpy(old, preferences.messagePrefix, sizeof old);
        std::strcpy(preferences.messagePrefix, prefix);
    }
    ~MessagePrefix() { std::memcpy(preferences.messagePrefix, old, sizeof old); }
    char old[sizeof preferences.messagePrefix];
};

} // namespace

TEST(TextConversion, Translate)
{
    std::string text = "\xE9\x93\x94\x97\t\x03" "A\x7F\xC5\xFF\x80\n\r\xE9";
    std::vector<unsigned char> bytes(text.begin(), text.end());
    TextTranslate(bytes.data(), bytes.size() - 1);
    EXPECT_EQ("e\"\"-\t\rA Ay \n\r\xE9", std::string(bytes.begin(), bytes.end())) << "only textSize bytes change";
    for (int c = 0; c < 256; ++c) {
        unsigned char b = static_cast<unsigned char>(c);
        TextTranslate(&b, 1);
        if (c >= 0x20 && c < 0x7F) {
            EXPECT_EQ(c, b);
        }
        EXPECT_TRUE(b == '\t' || b == '\n' || b == '\r' || (b >= 0x20 && b < 0x7F)) << c;
    }
}

TEST(TextConversion, PointerDims)
{
    struct Case {
        std::string text;
        int wrap, width, height;
    } cases[] = {
        {"hello\r\nab", 80, 5, 2}, {"", 80, 0, 1},           {"aaaa bbbb cccc", 9, 9, 2},
        {"aaaa bbbb cccc", 6, 6, 3}, {"abcdefghijkl", 5, 5, 3}, {"ab\ncd", 80, 5, 1},
        {"ab\r\r\n", 80, 2, 3}, {"ab\r\ncd", 2, 2, 2},
    };
    for (const Case &test : cases) {
        int width = test.wrap, height = -1;
        PagePointerDims(Bytes(test.text), test.text.size(), width, height);
        EXPECT_EQ(test.width, width) << test.text << " at " << test.wrap;
        EXPECT_EQ(test.height, height) << test.text << " at " << test.wrap;
    }
}

TEST(TextConversion, WrapAndJustify)
{
    // The text after the last line end is a line of its own.
    EXPECT_EQ((Rows{"abc.......", ".........."}), Wrap("abc\r\n", 10, justLeft));
    EXPECT_EQ((Rows{"..."}), Wrap("", 3, justLeft));
    EXPECT_EQ((Rows{"aaaa bbbb", "cccc....."}), Wrap("aaaa bbbb cccc", 9, justLeft));
    EXPECT_EQ((Rows{"aaaa..", "bbbb..", "cccc.."}), Wrap("aaaa bbbb cccc", 6, justLeft));
    EXPECT_EQ((Rows{"abcde", "fghij", "kl..."}), Wrap("abcdefghijkl", 5, justLeft));
    // Leading spaces stay; a lone LF and a tab inside a line are copied.
    EXPECT_EQ((Rows{"  ab\ncd\tx."}), Wrap("  ab\ncd\tx", 10, justLeft));
    EXPECT_EQ((Rows{"...abc...."}), Wrap("abc", 10, justCentre));
    EXPECT_EQ((Rows{".......abc"}), Wrap("abc", 10, justRight));
    EXPECT_EQ((Rows{"...ab", "....."}), Wrap("ab  \r\n", 5, justRight)) << "trailing spaces dropped";

    EXPECT_EQ((Rows{"a    b     c", "defghijklm.."}), Wrap("a b c defghijklm", 12, justJustify));
    EXPECT_EQ((Rows{"   a   b", "cdefgh.."}), Wrap(" a b cdefgh", 8, justJustify)) << "leading spaces are gaps";
    EXPECT_EQ((Rows{"a  b", "cc.."}), Wrap("a b cc", 4, justJustify));
    EXPECT_EQ((Rows{"aa bb", "c d.."}), Wrap("aa bb c d", 5, justJustify)) << "the last line is not spread";
    // A line ending in CR or LF ends a paragraph and is not spread.
    EXPECT_EQ((Rows{"a b.", "cc.."}), Wrap("a b\n cc", 4, justJustify));
    EXPECT_EQ((Rows{"a b..", "cc..."}), Wrap("a b \r\ncc", 5, justJustify));

    EXPECT_EQ((Rows{"aaaa..", "bbbb.."}), Wrap("aaaa bbbb cccc", 6, justLeft, 2));
    EXPECT_EQ((Rows{"abc......."}), Wrap("abc\r\n", 10, justLeft, 1));

    // A short text keeps its line ends on the stack; a long one needs a block
    // for them besides the page.
    for (int copies : {1, 5}) {
        std::string text;
        for (int i = 0; i < copies; ++i)
            text += "aaaa bbbb cccc ";
        int failures = FailEachAllocation([&] {
            Page page = {7, 9, nullptr};
            ErrorCode error = TextToPage(page, 6, 0, justLeft, Bytes(text), text.size());
            if (error) {
                EXPECT_TRUE(page.width == 7 && page.height == 9 && !page.data);
            } else {
                PageKill(page);
            }
            return error;
        });
        EXPECT_EQ(copies == 1 ? 2 : 4, failures) << copies;
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
    ASSERT_EQ(0u, TextOntoPage(page, 1, 0, 3, justRight, Bytes(text), text.size(), lines));
    EXPECT_EQ(2, lines);
    EXPECT_EQ((Rows{"xxabxx", "xxcdxx"}), PageRows(page));
    ASSERT_EQ(0u, TextOntoPage(page, 2, 1, 4, justLeft, Bytes(text), text.size(), lines));
    EXPECT_EQ((Rows{"xxabxx", "xxabxx", "..cd.."}), PageRows(page));

    ReportCatcher reports;
    MemoryFailAt(1);
    EXPECT_NE(0u, TextOntoPage(page, 0, 2, 6, justLeft, Bytes("a\rb"), 3, lines));
    MemoryFailAt(0);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ((Rows{"xxabxx", "xxabxx", "..cd.."}), PageRows(page)) << "unchanged when it cannot grow";
    PageKill(page);
}

TEST(TextConversion, PageToText)
{
    MessagePrefix prefix("ab c");
    Rows xPage = {"x..", "..."};
    EXPECT_EQ("x  \r\n   \r\n", Written(xPage, true));
    // Trimmed to the one used cell; the prefix wraps at one column, its space gone.
    EXPECT_EQ("a\r\nb\r\nc\r\n \r\nx\r\n", Written(xPage, false));
    // Only the right and bottom margins go; the prefix is centred on what is left.
    std::strcpy(preferences.messagePrefix, "Hi");
    Rows abPage = {"..........", "..ab......", "..........", "........ ."};
    EXPECT_EQ(" Hi \r\n    \r\n    \r\n  ab\r\n", Written(abPage, false));
    EXPECT_EQ("Hi\r\n  \r\n  \r\n  \r\n", Written({" .", ".."}, false)) << "nothing used keeps the whole page";
    EXPECT_EQ("\r\n\r\n", Written({"", ""}, true));

    for (bool filing : {true, false}) {
        FailEachAllocation([&] {
            Page page;
            ErrorCode error = PageFromRows(page, {"ab.", "..."});
            if (error)
                return error;
            std::string bytes = PageBytes(page);
            unsigned char *text = nullptr;
            std::size_t size = 99;
            error = PageToText(text, size, page, filing);
            if (error) {
                EXPECT_TRUE(!text && size == 99 && bytes == PageBytes(page));
            }
            Destroy(text);
            PageKill(page);
            return error;
        });
    }
}
