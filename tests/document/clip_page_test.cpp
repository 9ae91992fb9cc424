#include "document/clip_page.h"
#include "document/clip_html.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/memory.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"

typedef std::vector<unsigned char> Block;

static Block ClipBlock(const Page &page)
{
    unsigned char *block = nullptr;
    std::size_t size = 0;
    EXPECT_EQ(0u, PageToClip(block, size, page));
    Block bytes(block, block + size);
    Destroy(block);
    return bytes;
}

TEST(ClipPage, SizesLittleEndianThenEveryCellAndBackAgain)
{
    Page page, back;
    ASSERT_EQ(0u, PageFromRows(page, {"ab.", "..."}));
    EXPECT_EQ((Block{3, 0, 2, 0, 'a', 'b', 0, 0, 0, 0}), ClipBlock(page));
    PageKill(page);
    ASSERT_EQ(0u, PageNew(page, 300, 500)); // both bytes of each size used
    Block big = ClipBlock(page);
    EXPECT_EQ((Block{0x2C, 0x01, 0xF4, 0x01}), Block(big.begin(), big.begin() + 4));
    PageKill(page);
    for (const Rows &rows : {Rows{"x"}, Rows{".a.", "...", "b.\xff"}}) {
        ASSERT_EQ(0u, PageFromRows(page, rows));
        Block bytes = ClipBlock(page);
        bytes.push_back('!'); // a block rounded up by the system
        EXPECT_EQ(2, FailEachAllocation([&] {
            back = {};
            ErrorCode error = ClipToPage(back, bytes.data(), bytes.size());
            EXPECT_TRUE(error || PageBytes(back) == PageBytes(page)) << "empty cells included";
            PageKill(back);
            return error;
        }));
        EXPECT_EQ(2, FailEachAllocation([&] {
            unsigned char *block = nullptr;
            std::size_t size = 0;
            ErrorCode error = PageToClip(block, size, page);
            EXPECT_EQ(error != 0, block == nullptr);
            Destroy(block);
            return error;
        }));
        PageKill(page);
    }
}

// Every length short of the cells it announces, and sizes no page has; each
// block is exactly its length, so that the sanitizer sees any read past it.
TEST(ClipPage, RefusesBlocksThatDoNotHoldTheirCells)
{
    Block good = {3, 0, 2, 0, 'a', 'b', 0, 0, 0, 0};
    std::vector<Block> bad = {{0, 0, 2, 0},          {3, 0, 0, 0},          {0xFF, 0xFF, 1, 0, 'a'},
                              {1, 0, 0xFF, 0xFF, 'a'}, {0, 0x80, 0, 0x80, 'a'}, {0xFF, 0x7F, 0xFF, 0x7F, 'a'}};
    for (std::size_t length = 0; length < good.size(); ++length)
        bad.emplace_back(good.begin(), good.begin() + length);
    for (const Block &block : bad) {
        ReportCatcher reports;
        long live = MemoryLiveBlocks();
        Page page = {7, 7, nullptr};
        EXPECT_EQ(errorBadClipData, ClipToPage(page, block.data(), block.size())) << block.size();
        EXPECT_TRUE(reports.errors == 1 && page.width == 7 && live == MemoryLiveBlocks()) << block.size();
    }
}

namespace {

const char preOpen[] = "<pre style=\"font-family:'Courier New',Courier,monospace\">";

std::string Html(const std::string &text)
{
    unsigned char *block = nullptr;
    std::size_t size = 0;
    EXPECT_EQ(0u, ClipHtmlMake(block, size, reinterpret_cast<const unsigned char *>(text.data()), text.size()));
    EXPECT_EQ(0, block[size]) << "a 0 byte follows";
    std::string html(reinterpret_cast<char *>(block), size);
    Destroy(block);
    return html;
}

// The header's "Name:number" lines, read up to the first tag.
std::map<std::string, std::string> Header(const std::string &html)
{
    std::map<std::string, std::string> fields;
    std::istringstream lines(html.substr(0, html.find('<')));
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ('\r', line.back()) << line;
        std::size_t colon = line.find(':');
        fields[line.substr(0, colon)] = line.substr(colon + 1, line.size() - colon - 2);
    }
    return fields;
}

TEST(ClipHtml, TheTextEscapedInAPreBlockWhereTheHeaderSays)
{
    struct Case {
        std::string text, escaped;
    } cases[] = {
        {"Hi\r\n  \r\n<a> & b\r\n", "Hi\r\n  \r\n&lt;a&gt; &amp; b\r\n"},
        {"caf\xE9 \x80\x93q\x94", "caf&#233; &#8364;&#8220;q&#8221;"},
        {"", ""},
    };
    for (const Case &test : cases) {
        std::string html = Html(test.text);
        std::map<std::string, std::string> header = Header(html);
        ASSERT_EQ(5u, header.size()) << html;
        EXPECT_EQ("0.9", header["Version"]);
        std::size_t startHtml = std::stoul(header["StartHTML"]), endHtml = std::stoul(header["EndHTML"]);
        std::size_t start = std::stoul(header["StartFragment"]), end = std::stoul(header["EndFragment"]);
        EXPECT_EQ(html.find('<'), startHtml);
        EXPECT_EQ(0u, html.compare(startHtml, 12, "<html><body>"));
        EXPECT_EQ(html.size(), endHtml);
        EXPECT_EQ(html.size() - 16, html.rfind("</body></html>\r\n"));
        EXPECT_EQ(std::string(preOpen) + test.escaped + "</pre>", html.substr(start, end - start));
        EXPECT_EQ(start - 20, html.find("<!--StartFragment-->"));
        EXPECT_EQ(end, html.find("<!--EndFragment-->"));
        EXPECT_TRUE(std::all_of(html.begin(), html.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            << "plain ASCII";
    }
}

} // namespace
