#include "page/text_unicode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Folded(const std::u16string &text)
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
        {u"A \u2192 B \u2026 done \u2588", "A -> B ... done #"},
        {u"\u250C\u2500\u2500\u2510\r\n\u2502  \u2502\r\n\u2514\u2500\u2500\u2518", "+--+\r\n|  |\r\n+--+"},
        {u"\u2554\u2550\u2566\u2557\u2551\u255A\u256C\u256F\u2501\u2503\u254B", "+=++|+++-|+"},
        {u"\u2574\u2575\u2576\u2577\u257E\u257F\u2571\u2572\u2573", "-|-|-|/\\X"},
        {u"\u2591\u2592\u2593\u2580\u259F", "#####"},
        {u"\u2190\u2191\u2193\u2194\u21D2\u27F6\u25B6", "<-^v<->=>-->>"},
        {u"\u2713\u2714\u2717\u2718\u2611\u2610", "vvxx[x][ ]"},
        {u"\u2022 \u25E6 \u2013\u2014\u2212 \u201Cq\u201D \u2018s\u2019", "* o --- \"q\" 's'"},
        {u"a\u00A0b\u2003c\u3000d\u200Be\uFEFF", "a b c de"},
        {u"x\u2028y", "x\r\ny"},
        {u"\tcaf\u00E9 \u20AC\u2122\u0152", "\tcaf\xE9 \x80\x99\x8C"},
        {u"\u0081\u009D", "\x81\x9D"},                  // the unassigned bytes, as the system maps them
        {u"\u0080\u4E2D\u0100", "???"},                // outside the set
        {u"\U0001F600!", "?!"},                        // beyond 16 bits: two units, one character
        {u"\xD800!\xDC00", "?!?"},                     // halves of a pair, alone
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
    EXPECT_EQ(u'\u20AC', TextByteUnicode(0x80));
    EXPECT_EQ(u'\u0178', TextByteUnicode(0x9F));
}

} // namespace
