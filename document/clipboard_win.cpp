#include "document/clipboard_win.h"

#include <algorithm>
#include <cstring>

#include "base/memory.h"
#include "document/clip_html.h"
#include "document/clip_page.h"
#include "page/text_conversion.h"
#include "page/text_unicode.h"

UINT pageClipFormat;
UINT pngClipFormat;
UINT htmlClipFormat;

// The clipboard is opened with no owner: the blocks handed over need no one
// to render them later.
static ErrorCode ClipOpen()
{
    return OpenClipboard(nullptr) ? 0 : TestZeroError(nullptr);
}

ErrorCode InitClipFormats()
{
    pageClipFormat = RegisterClipboardFormatA("Glyphwright Page");
    pageClipFormat = RegisterClipboardFormatA("Glyphwright Page");
    pngClipFormat = RegisterClipboardFormatA("PNG");
    htmlClipFormat = RegisterClipboardFormatA("HTML Format");
    return pageClipFormat && pngClipFormat && htmlClipFormat ? 0 : TestZeroError(nullptr);
}

void ClipInitBoard(Clip &clip)
{
    clip = Clip{};
}

ErrorCode ClipClear(Clip &)
{
    ErrorCode error = ClipOpen();
    if (error)
        return error;
    if (!EmptyClipboard())
        error = TestZeroError(nullptr);
    CloseClipboard();
    return error;
}

// A movable shared block holding the data, with a 0 byte after text.
static HGLOBAL ClipBlock(ErrorCode &error, UINT format, const void *dataPtr, std::size_t dataSize)
{
    bool text = format == CF_TEXT;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, dataSize + text);
    error = TestZeroError(block);
    if (error)
        return nullptr;
    auto *bytes = static_cast<unsigned char *>(GlobalLock(block));
    error = TestZeroError(bytes);
    if (error) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, dataPtr, dataSize);
    if (text)
        bytes[dataSize] = 0;
    GlobalUnlock(block);
    return block;
}

ErrorCode ClipAdd(Clip &, UINT format, const void *dataPtr, std::size_t dataSize, void *)
{
    ErrorCode error = ClipOpen();
    if (error)
        return error;
    HGLOBAL block = ClipBlock(error, format, dataPtr, dataSize);
    if (block && !SetClipboardData(format, block)) {
        error = TestZeroError(nullptr);
        GlobalFree(block); // still ours when the clipboard refused it
    }
    CloseClipboard();
    return error;
}

bool ClipHas(Clip &, UINT format)
{
    return IsClipboardFormatAvailable(format);
}

// Text ends at its first 0; a block with none is all text.
static ErrorCode ClipTextSize(HANDLE data, std::size_t &size)
{
    const void *bytes = GlobalLock(data);
    ErrorCode error = TestZeroError(bytes);
    if (error)
        return error;
    if (const void *end = std::memchr(bytes, 0, size))
        size = static_cast<const char *>(end) - static_cast<const char *>(bytes);
    GlobalUnlock(data);
    return 0;
}

// Whether the clipboard's text was put there as Unicode: the system lists
// the formats in the order they were put, the ones it converts to last.
static bool ClipUnicodeFirst()
{
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        if (format == CF_UNICODETEXT || format == CF_TEXT)
            return format == CF_UNICODETEXT;
    return false;
}

// The Unicode text up to its first 0, folded into a fixed block: readers
// lock it as they lock the clipboard's own blocks.
static HANDLE ClipFolded(ErrorCode &error, Clip &clip, std::size_t &size)
{
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    error = TestZeroError(data);
    if (error)
        return nullptr;
    const auto *text = static_cast<const char16_t *>(GlobalLock(data));
    error = TestZeroError(text);
    if (error)
        return nullptr;
    std::size_t count = GlobalSize(data) / sizeof(char16_t);
    count = std::find(text, text + count, u'\0') - text;
    size = TextFoldUnicode(text, count, nullptr);
    clip.folded = GlobalAlloc(GMEM_FIXED, size + 1);
    error = TestZeroError(clip.folded);
    if (!error) {
        auto *bytes = static_cast<unsigned char *>(clip.folded);
        TextFoldUnicode(text, count, bytes);
        bytes[size] = 0;
    }
    GlobalUnlock(data);
    return clip.folded;
}

static HANDLE ClipData(ErrorCode &error, UINT format, std::size_t &size)
{
    HANDLE data = GetClipboardData(format);
    error = TestZeroError(data);
    if (!error && format == CF_ENHMETAFILE) {
        size = 0x7FFFFFFF;
    } else if (!error) {
        size = GlobalSize(data);
        if (format == CF_TEXT)
            error = ClipTextSize(data, size);
    }
    return data;
}

HANDLE ClipGet(ErrorCode &error, Clip &clip, UINT format, std::size_t &size)
{
    error = ClipOpen();
    if (error)
        return nullptr;
    HANDLE data = format == CF_TEXT && ClipUnicodeFirst() ? ClipFolded(error, clip, size)
                                                          : ClipData(error, format, size);
    if (!error)
        return data;
    ClipDone(clip);
    return nullptr;
}

void ClipDone(Clip &clip)
{
    CloseClipboard();
    if (clip.folded)
        GlobalFree(clip.folded);
    clip.folded = nullptr;
}

ErrorCode ClipAddText(Clip &clip, const void *text, std::size_t size)
{
    unsigned char *html;
    std::size_t htmlSize;
    ErrorCode error = ClipHtmlMake(html, htmlSize, static_cast<const unsigned char *>(text), size);
    if (error)
        return error;
    error = ClipAdd(clip, CF_TEXT, text, size, nullptr);
    if (!error)
        error = ClipAdd(clip, htmlClipFormat, html, htmlSize + 1, nullptr); // with its 0
    Destroy(html);
    return error;
}

ErrorCode PageAddToClip(const Page &page, Clip &clip, bool directPage)
{
    unsigned char *block;
    std::size_t size;
    ErrorCode error = directPage ? PageToClip(block, size, page) : PageToText(block, size, page, false);
    if (error)
        return error;
    error = directPage ? ClipAdd(clip, pageClipFormat, block, size, nullptr) : ClipAddText(clip, block, size);
    Destroy(block);
    return error;
}
