#include "document/clip_html.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>

#include "base/memory.h"

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
