// Pasted pages, pictures and tables as selections, and their rebuilding.
#include "selection/select_tool_win.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/memory.h"
#include "base/preferences.h"
#include "document/clip_page.h"
#include "document/doc_platform.h"
#include "page/picture.h"
#include "page/picture_dib.h"
#include "page/picture_png_win.h"
#include "page/picture_win.h"
#include "page/text_conversion.h"
#include "selection/select_formats.h"
#include "selection/selection_win.h"

// The most rows a document may have.
static const int maxRows = 16000;

// The front page becomes `page`.
static void SelectFrontReplace(Document *document, const Page &page)
{
    PageKill(document->now.front);
    document->now.front = page;
    DocInvalFrontRect(*document);
}

// A picture is drawn afresh into a new page of the size asked for.
static ErrorCode SelectPictureRebuild(Document *document, int width, int height)
{
    DocState &now = document->now;
    Page page;
    ErrorCode error = PageNew(page, width, height);
    if (error)
        return error;
    SelectFrontReplace(document, page);
    return PictureOnPage(now.front, now.handle, now.allocated, now.format == formatMetafile,
                         preferences.pictureSquish);
}

// A table's size follows from its columns.
static ErrorCode SelectTableRebuild(Document *document)
{
    Page page;
    ErrorCode error = TableToPage(page, static_cast<TableRecord *>(document->now.handle),
                                  static_cast<RuleMode>(preferences.horiRuleMode),
                                  static_cast<RuleMode>(preferences.vertRuleMode));
    if (!error)
        SelectFrontReplace(document, page);
    return error;
}

static ErrorCode SelectRebuild(Document *document, int width, int height)
{
    DocState &now = document->now;
    if (!now.floating)
        return 0;
    DocInvalFrontRect(*document);
    const SelectFormat &format = SelectFormatOf(now.format);
    now.transparency = preferences.selectTransparent ? format.transparent : format.solid;
    if (now.format == formatMetafile || now.format == formatBitmap)
        return SelectPictureRebuild(document, width, height);
    if (now.format == formatTable)
        return SelectTableRebuild(document);
    return 0;
}

void SelectRecalc(Document *document, std::int16_t width, std::int16_t height)
{
    SelectRebuild(document, width, height); // a failure was reported and leaves a page floating
}

// The kept source floats as an empty page until its first rebuild fills it.
static ErrorCode SelectFloatSource(Document *document, void *handle, std::uint16_t format, int width, int height)
{
    DocState &now = document->now;
    now.handle = handle;
    now.format = format;
    ErrorCode error = PageNew(now.front, 0, 0);
    if (error)
        return error;
    now.floating = 1;
    return SelectRebuild(document, width, height);
}

static ErrorCode SelectReceivePage(Document *document, const unsigned char *block, std::size_t size)
{
    DocState &now = document->now;
    ErrorCode error = ClipToPage(now.front, block, size);
    if (error)
        return error;
    now.floating = 1;
    return SelectRebuild(document, now.front.width, now.front.height);
}

// Picture sizes come from headers and may be anything.
static int SelectClamp(std::int64_t size)
{
    return static_cast<int>(std::min<std::int64_t>(size, INT32_MAX));
}

// A picture pasted into the program's own copy of it (a metafile, or a block
// of `size` bytes), at one cell per pixel when it fits between the first
// visible cell and the page's right and bottom limits, else scaled down.
static ErrorCode SelectReceivePicture(Document *document, const void *picture, std::size_t size,
                                      std::int64_t width, std::int64_t height, std::uint16_t format)
{
    if (width <= 0 || height <= 0) {
        TestError(errorBadClipData);
        return errorBadClipData;
    }
    // Cells are taller than wide, so fewer rows keep the picture's look.
    if (preferences.pictureSquish != squishDirect && fontHeight > 0)
        height = height * fontWidth / fontHeight;
    DocState &now = document->now;
    auto pageWidth = static_cast<std::int16_t>(now.back.width - now.floatCol);
    auto pageHeight = static_cast<std::int16_t>(maxRows - now.floatRow);
    ScaleSize(pageWidth, pageHeight, SelectClamp(width), SelectClamp(height));
    void *copy;
    ErrorCode error;
    if (format == formatMetafile) {
        error = DocMetafileCopy(const_cast<void *>(picture), copy);
    } else {
        copy = Allocate(error, size);
        if (!error)
            std::memcpy(copy, picture, size);
        now.allocated = static_cast<std::uint32_t>(size);
    }
    if (error)
        return error;
    // However thin the picture, its page keeps a cell each way.
    return SelectFloatSource(document, copy, format, std::max<int>(pageWidth, 1), std::max<int>(pageHeight, 1));
}

static ErrorCode SelectReceiveBitmap(Document *document, const unsigned char *block, std::size_t size)
{
    DibInfo info;
    ErrorCode error = DibRead(block, static_cast<std::uint32_t>(size), info);
    if (error)
        return error;
    return SelectReceivePicture(document, block, size, info.width, info.height, formatBitmap);
}

static ErrorCode SelectReceiveMetafile(Document *document, HENHMETAFILE metafile)
{
    ENHMETAHEADER header;
    if (!GetEnhMetaFileHeader(metafile, sizeof header, &header))
        return TestZeroError(nullptr);
    const RECTL &bounds = header.rclBounds;
    return SelectReceivePicture(document, metafile, 0, std::int64_t{bounds.right} - bounds.left,
                                std::int64_t{bounds.bottom} - bounds.top, formatMetafile);
}

// A PNG picture is decoded and then kept and converted as a bitmap.
static ErrorCode SelectReceivePng(Document *document, const unsigned char *png, std::size_t size)
{
    unsigned char *dib;
    std::size_t dibSize;
    ErrorCode error = PngToDib(png, size, dib, dibSize);
    if (error)
        return error;
    error = SelectReceiveBitmap(document, dib, dibSize);
    Destroy(dib);
    return error;
}

// The table is narrowed to the columns between the first visible one and the
// page's right edge.
static ErrorCode SelectReceiveTable(Document *document, const unsigned char *text, std::size_t size)
{
    DocState &now = document->now;
    ErrorCode error = 0;
    unsigned char *translated = nullptr;
    if (!preferences.allowNonASCII) {
        translated = static_cast<unsigned char *>(Allocate(error, size));
        if (error)
            return error;
        std::memcpy(translated, text, size);
        TextTranslate(translated, size);
        text = translated;
    }
    int width = now.back.width - now.floatCol;
    TableRecord *table = TextToTable(error, text, size, width, static_cast<RuleMode>(preferences.horiRuleMode));
    Destroy(translated);
    if (error)
        return error;
    now.allocated = static_cast<std::uint32_t>(SelectTableSize(table));
    return SelectFloatSource(document, table, formatTable, width, 0);
}

// The formats held in a block, read while it is locked.
static ErrorCode SelectReceiveBlock(Document *document, HANDLE theHandle, std::size_t size, UINT format)
{
    const auto *block = static_cast<const unsigned char *>(GlobalLock(theHandle));
    ErrorCode error = TestZeroError(block);
    if (error)
        return error;
    if (format == pageClipFormat)
        error = SelectReceivePage(document, block, size);
    else if (format == CF_DIB)
        error = SelectReceiveBitmap(document, block, size);
    else if (format == pngClipFormat)
        error = SelectReceivePng(document, block, size);
    else if (format == CF_TEXT)
        error = SelectReceiveTable(document, block, size);
    GlobalUnlock(theHandle);
    return error;
}

void SelectReceive(Document *document, HANDLE theHandle, std::size_t dataSize, UINT format)
{
    if (DocBeginAction(*document))
        return;
    if (document->now.floating)
        SelectDrop(document, true);
    DocState &now = document->now;
    now.floatCol = document->scrollCol;
    now.floatRow = document->scrollRow;
    now.format = formatNone;
    ErrorCode error = format == CF_ENHMETAFILE
                          ? SelectReceiveMetafile(document, static_cast<HENHMETAFILE>(theHandle))
                          : SelectReceiveBlock(document, theHandle, dataSize, format);
    // Half-made, it goes with what it holds; the failure was reported.
    if (error)
        DocFrontPageDrop(*document, true, false);
    document->penStyle = penStyleHidden; // the new page's frame is not on the screen yet
    SelectTemp(document, 0, nullptr);
    SelectButtonsRefresh(document);
}
