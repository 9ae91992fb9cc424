#include "document/clipboard_win.h"

#include <cstring>

#include "base/memory.h"
#include "document/clip_page.h"
#include "page/text_conversion.h"

UINT pageClipFormat;
UINT pngClipFormat;

// The clipboard is opened with no owner: the blocks handed over need no one
// to render them later.
static ErrorCode ClipOpen()
{
    return OpenClipboard(nullptr) ? 0 : TestZeroError(nullptr);
}

ErrorCode InitClipFormats()
{
    pageClipFormat = RegisterClipboardFormatA("Glyphwright Page");
    pngClipFormat = RegisterClipboardFormatA("PNG");
    return pageClipFormat && pngClipFormat ? 0 : TestZeroError(nullptr);
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

HANDLE ClipGet(ErrorCode &error, Clip &clip, UINT format, std::size_t &size)
{
    error = ClipOpen();
    if (error)
        return nullptr;
    HANDLE data = GetClipboardData(format);
    error = TestZeroError(data);
    if (!error && format == CF_ENHMETAFILE) {
        size = 0x7FFFFFFF;
    } else if (!error) {
        size = GlobalSize(data);
        if (format == CF_TEXT)
            error = ClipTextSize(data, size);
    }
    if (!error)
        return data;
    ClipDone(clip);
    return nullptr;
}

void ClipDone(Clip &)
{
    CloseClipboard();
}

ErrorCode PageAddToClip(const Page &page, Clip &clip, bool directPage)
{
    unsigned char *block;
    std::size_t size;
    ErrorCode error = directPage ? PageToClip(block, size, page) : PageToText(block, size, page, false);
    if (error)
        return error;
    error = ClipAdd(clip, directPage ? pageClipFormat : CF_TEXT, block, size, nullptr);
    Destroy(block);
    return error;
}
