#include <algorithm>
#include <cstring>

#include "base/memory.h"
#include "document/doc_platform.h"
#include "document/document.h"

Document *theDocument;
WindowHandle theWindow;

static std::size_t PageSize(const Page &page)
{
    return static_cast<std::size_t>(page.width) * page.height;
}

// A new page with the cells of `source`; `copy` is untouched on failure.
static ErrorCode PageCopy(const Page &source, Page &copy)
{
    ErrorCode error = PageNew(copy, source.width, source.height);
    if (!error)
        std::memcpy(copy.data, source.data, PageSize(source));
    return error;
}

// The whole block is copied, not just `used`: tables and bitmaps have no
// `used`, and typed text keeps its room to grow.
static ErrorCode DocHandleCopy(const DocState &source, void *&copy)
{
    if (source.format == formatNone)
        return 0;
    if (source.format == formatMetafile)
        return DocMetafileCopy(source.handle, copy);
    ErrorCode error;
    void *block = Allocate(error, source.allocated);
    if (error)
        return error;
    std::memcpy(block, source.handle, source.allocated);
    copy = block;
    return 0;
}

// Gives `copy`, a record copy of `source`, its own front page and kept
// source; on failure it keeps nothing.
static ErrorCode DocFloatCopy(const DocState &source, DocState &copy)
{
    ErrorCode error = 0;
    if (source.floating)
        error = PageCopy(source.front, copy.front);
    if (error)
        return error;
    error = DocHandleCopy(source, copy.handle);
    if (error && source.floating)
        PageKill(copy.front);
    return error;
}

// Releases the front page and the kept source, leaving nothing floating.
static void DocFloatKill(DocState &state)
{
    if (state.floating)
        PageKill(state.front);
    if (state.format == formatMetafile)
        DocMetafileDelete(state.handle);
    else if (state.format != formatNone)
        Destroy(state.handle);
    state.front = Page{};
    state.floating = 0;
    state.format = formatNone;
    state.handle = nullptr;
}

ErrorCode DocStateCopy(const DocState &lastState, DocState &thisState)
{
    DocState copy = lastState;
    ErrorCode error = PageCopy(lastState.back, copy.back);
    if (error)
        return error;
    error = DocFloatCopy(lastState, copy);
    if (error) {
        PageKill(copy.back);
        return error;
    }
    thisState = copy;
    return 0;
}

void DocStateKill(DocState &state)
{
    PageKill(state.back);
    DocFloatKill(state);
}

// Every action snapshots the whole back page, up to 8 MB. Touching a fresh
// block that size costs tens of milliseconds (each page faults in), while
// copying into `last`'s back block, which is about to be replaced anyway and
// is already touched, costs a fraction of one; so that block is reused, grown
// only when `now` is bigger. Growing is the last step that can fail, after the
// front page and kept source are copied, and a failed Reallocate leaves the
// block as it was: so a failed snapshot leaves `last` untouched.
ErrorCode DocBeginAction(Document &document)
{
    const DocState &now = document.now;
    DocState &last = document.last;
    DocState copy = now;
    ErrorCode error = DocFloatCopy(now, copy);
    if (error)
        return error;
    std::size_t size = PageSize(now.back);
    void *back = last.back.data;
    if (size > PageSize(last.back))
        back = Reallocate(error, back, size);
    if (error) {
        DocFloatKill(copy);
        return error;
    }
    std::memcpy(back, now.back.data, size);
    copy.back.data = static_cast<unsigned char *>(back);
    DocFloatKill(last);
    last = copy;
    document.windowDirty = 1;
    return 0;
}

ErrorCode DocFrontPageDrop(Document &document, bool freeUp, bool keepFront)
{
    DocState &now = document.now;
    DocInvalFrontRect(document);
    ErrorCode error = 0;
    if (keepFront) {
        error = DocPageExtend(document, false, now.floatRow + now.front.height);
        if (!error)
            PageMerge(now.back, now.front, now.floatCol, now.floatRow, now.transparency);
    }
    if (freeUp)
        DocFloatKill(now);
    return error;
}

ErrorCode DocPageExtend(Document &document, bool front, int height)
{
    Page &page = front ? document.now.front : document.now.back;
    if (height <= page.height)
        return 0;
    ErrorCode error = PageResize(page, page.width, height);
    if (error)
        return error;
    int visible = (document.textRect.bottom - document.textRect.top) / fontHeight;
    document.textRows = static_cast<std::int16_t>(std::min(visible, static_cast<int>(document.now.back.height)));
    return 0;
}
