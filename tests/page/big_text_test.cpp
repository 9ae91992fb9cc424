#include "page/big_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/preferences.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"
#include "tests/support/restore.h"

namespace {

// A font whose letters are 3 pixels wide and 2 high ('i' 1, a space 2, 'M'
// 12): each is black along its top row and in its first column below, so the
// cells show where every letter starts. Like the system's text drawing it
// paints only as far as the line reaches, leaving what an earlier, longer line
// drew further right.
struct BlockFont {
    BlockFont()
    {
        for (std::int32_t &advance : glyphs.advance)
            advance = 3;
        glyphs.advance['i'] = 1;
        glyphs.advance[' '] = 2;
        glyphs.advance['M'] = 12;
        glyphs.lineHeight = 2;
        glyphs.drawLine = Draw;
        glyphs.data = this;
    }
    static BitRows Draw(void *data, const unsigned char *line, std::size_t length)
    {
        auto &font = *static_cast<BlockFont *>(data);
        int x = 0;
        for (std::size_t i = 0; i < length; ++i) {
            int advance = font.glyphs.advance[line[i]];
            for (int col = x; col < x + advance; ++col) {
                font.Set(col, 0, line[i] != ' ');
                font.Set(col, 1, line[i] != ' ' && col == x);
            }
            x += advance;
        }
        return {font.bits.data(), widthBytes, font.width, 2};
    }
    void Set(int x, int y, bool black)
    {
        if (x >= width)
            return;
        unsigned char &byte = bits[(1 - y) * widthBytes + x / 8]; // rows bottom first
        byte = static_cast<unsigned char>(black ? byte | 0x80 >> (x & 7) : byte & ~(0x80 >> (x & 7)));
    }

    static const int widthBytes = 8;
    int width = 0; // of the bitmap, as wide as the page
    std::vector<unsigned char> bits = std::vector<unsigned char>(2 * widthBytes);
    BigTextGlyphs glyphs;
};

Rows Layout(const std::string &text, int width, Justification justify, unsigned char character = 0)
{
    BlockFont font;
    font.width = width;
    Page page;
    EXPECT_EQ(0u, BigTextLayout(page, width, justify, reinterpret_cast<const unsigned char *>(text.data()),
                                text.size(), character, font.glyphs));
    PageCheck(page);
    Rows rows = PageRows(page);
    PageKill(page);
    return rows;
}

} // namespace

TEST(BigText, WrapsCutsAndJustifies)
{
    const LayoutCase cases[] = {
        {"ab", 8, justLeft, {"aaabbb..", "a..b...."}},
        // "abcd" starts a new line and, too wide for any, is cut where it reaches the edge.
        {"i abcd", 7, justLeft, {"i......", "i......", "aaabbb.", "a..b...", "cccddd.", "c..d..."}},
        // A letter wider than the line stands alone and is cut at the right edge.
        {"Mab", 10, justLeft, {"MMMMMMMMMM", "M.........", "aaabbb....", "a..b......"}},
        // Trailing spaces do not count.
        {"ab  ", 10, justCentre, {"..aaabbb..", "..a..b...."}},
        {"ab  ", 10, justRight, {"....aaabbb", "....a..b.."}},
        // CR, CR LF and an empty line; the shorter line shows none of the longer one.
        {"abc\rd\r\n\r\n", 9, justLeft,
         {"aaabbbccc", "a..b..c..", "ddd......", "d........", ".........", ".........", ".........", "........."}},
    };
    for (const LayoutCase &test : cases)
        EXPECT_EQ(test.rows, Layout(test.text, test.width, test.justify)) << test.text << " " << test.justify;
}

TEST(BigText, CellsAreTheLetterOrTheDrawingCharacterInASCII)
{
    EXPECT_EQ((Rows{"eee", "e.."}), Layout("\xE9", 3, justLeft));
    EXPECT_EQ((Rows{"eee", "e.."}), Layout("a", 3, justLeft, 0xE9)); // the drawing character too
    Restore kept(preferences);
    preferences.allowNonASCII = 1;
    EXPECT_EQ((Rows{"\xE9\xE9\xE9", "\xE9.."}), Layout("\xE9", 3, justLeft));
}

TEST(BigText, FailedAllocationsMakeNoPage)
{
    BlockFont font;
    font.width = 8;
    const unsigned char text[] = "ab\r\ncd";
    // The line table, then the page.
    EXPECT_EQ(4, FailEachAllocation([&] {
        Page page = {0, 0, nullptr};
        ErrorCode error = BigTextLayout(page, 8, justLeft, text, sizeof text - 1, 0, font.glyphs);
        EXPECT_EQ(error ? 0 : 4, page.height);
        PageKill(page);
        return error;
    }));
}
