#include "document/clip_html.h"

#include <cstdio>
#include <cstring>

#include "base/memory.h"
#include "page/text_unicode.h"

// The header's offsets have ten digits each, so its length is known before
// they are.
static const char htmlHeader[] = "Version:0.9\r\nStartHTML:%010lu\r\nEndHTML:%010lu\r\n"
                                 "StartFragment:%010lu\r\nEndFragment:%010lu\r\n";
static const char htmlOpen[] = "<html><body>\r\n<!--StartFragment-->";
static const char htmlPreOpen[] = "<pre style=\"font-family:'Courier New',Courier,monospace\">";
static const char htmlPreClose[] = "</pre>";
static const char htmlClose[] = "<!--EndFragment-->\r\n</body></html>\r\n";

// Writes the escaped form of one byte into `out` and returns its length. The
// HTML is all ASCII: characters beyond it go as character references.
static std::size_t ClipHtmlChar(unsigned char byte, char *out)
{
    switch (byte) {
    case '<': std::memcpy(out, "&lt;", 4); return 4;
    case '>': std::memcpy(out, "&gt;", 4); return 4;
    case '&': std::memcpy(out, "&amp;", 5); return 5;
    }
    if (byte < 0x80) {
        out[0] = static_cast<char>(byte);
        return 1;
    }
    return static_cast<std::size_t>(std::sprintf(out, "&#%u;", static_cast<unsigned>(TextByteUnicode(byte))));
}

// The escaped text's length; written into `out` unless it is null.
static std::size_t ClipHtmlEscape(const unsigned char *text, std::size_t size, char *out)
{
    std::size_t length = 0;
    for (std::size_t at = 0; at < size; ++at) {
        char escaped[16];
        std::size_t part = ClipHtmlChar(text[at], escaped);
        if (out)
            std::memcpy(out + length, escaped, part);
        length += part;
    }
    return length;
}

// Appends `text` at `at`, which moves past it.
static void ClipHtmlPut(char *&at, const char *text)
{
    std::size_t length = std::strlen(text);
    std::memcpy(at, text, length);
    at += length;
}

ErrorCode ClipHtmlMake(unsigned char *&block, std::size_t &size, const unsigned char *text, std::size_t textSize)
{
    auto headerSize = static_cast<std::size_t>(std::snprintf(nullptr, 0, htmlHeader, 0ul, 0ul, 0ul, 0ul));
    std::size_t startFragment = headerSize + sizeof htmlOpen - 1;
    std::size_t endFragment =
        startFragment + sizeof htmlPreOpen - 1 + ClipHtmlEscape(text, textSize, nullptr) + sizeof htmlPreClose - 1;
    std::size_t endHtml = endFragment + sizeof htmlClose - 1;
    ErrorCode error;
    auto *html = static_cast<char *>(Allocate(error, endHtml + 1));
    if (error)
        return error;
    std::sprintf(html, htmlHeader, static_cast<unsigned long>(headerSize), static_cast<unsigned long>(endHtml),
                 static_cast<unsigned long>(startFragment), static_cast<unsigned long>(endFragment));
    char *at = html + headerSize;
    ClipHtmlPut(at, htmlOpen);
    ClipHtmlPut(at, htmlPreOpen);
    at += ClipHtmlEscape(text, textSize, at);
    ClipHtmlPut(at, htmlPreClose);
    ClipHtmlPut(at, htmlClose);
    *at = 0;
    block = reinterpret_cast<unsigned char *>(html);
    size = endHtml;
    return 0;
}
