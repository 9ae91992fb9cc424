#include "app/doc_commands_win.h"

#include <cstring>
#include <utility>

#include "app/doc_window_win.h"
#include "selection/select_tool_win.h"
#include "selection/selection_win.h"
#include "selection/text_tool_win.h"
#include "tools/tool_table_win.h"

// The tool's marks and option buttons belong to the state: they are hidden
// and removed (show false) before it is replaced, and made again after. The
// state may bring back another tool, whose button is then the pressed one.
static void DocToolShow(Document *document, bool show)
{
    const Tool &tool = tools[document->now.tool];
    if (tool.tempProc)
        tool.tempProc(document, show ? 0 : 1, nullptr);
    if (tool.buttonsProc)
        tool.buttonsProc(document, show ? 1 : 0);
    ToolInvalButton(document, tool);
}

static void DocInvalState(Document *document)
{
    DocInvalArea(*document, 0, 0, document->now.back.width, document->now.back.height);
    if (document->now.floating)
        DocInvalFrontRect(*document);
}

void DocumentUndo(Document *document)
{
    DocToolShow(document, false);
    DocInvalState(document);
    int oldWidth = document->now.back.width;
    std::swap(document->now, document->last);
    if (document->now.back.width == oldWidth) {
        DocInvalState(document);
    } else {
        DocumentSized(document);
        InvalidateRect(document->window, nullptr, FALSE);
    }
    DocToolShow(document, true);
}

// The tools whose selections float until they are dropped.
static bool DocSelectingTool(int tool)
{
    return tool == toolSelect || tool == toolText || tool == toolBigText;
}

bool DocumentCanCopy(const Document *document)
{
    return DocSelectingTool(document->now.tool) && document->now.floating;
}

static bool DocTextTool(int tool)
{
    return tool == toolText || tool == toolBigText;
}

ErrorCode DocumentCopy(Document *document, Clip &clip)
{
    return DocTextTool(document->now.tool) ? TextCopy(document, clip) : SelectCopy(document, clip);
}

// Key code 0 is Clear to the selecting tools, and only while something
// floats: the big text tool would take it for a drawing character.
void DocumentClear(Document *document)
{
    if (DocumentCanCopy(document))
        tools[document->now.tool].keyProc(document, keyClear);
}

bool DocumentTrack(const Document *, Clip &clip)
{
    const UINT formats[] = {CF_TEXT, CF_DIB, pngClipFormat, CF_ENHMETAFILE, pageClipFormat};
    for (UINT format : formats)
        if (ClipHas(clip, format))
            return true;
    return false;
}

// Switching tools drops what floats, so the select tool is not switched to itself.
static void DocSelectToolCurrent(Document *document)
{
    if (document->now.tool != toolSelect)
        ToolSelect(document, toolSelect);
}

// Text holding a tab is a table. Whether the paste is over: a table was
// pasted, or the text could not be read (which was reported).
static bool DocReceiveTable(Document *document, Clip &clip)
{
    ErrorCode error;
    std::size_t size;
    HANDLE text = ClipGet(error, clip, CF_TEXT, size);
    if (error)
        return true;
    const void *bytes = GlobalLock(text);
    error = TestZeroError(bytes);
    bool table = !error && std::memchr(bytes, '\t', size);
    if (!error)
        GlobalUnlock(text);
    if (table) {
        DocSelectToolCurrent(document);
        SelectReceive(document, text, size, CF_TEXT);
    }
    ClipDone(clip);
    return error || table;
}

// Typed text for the text tools; a failure to read it has been reported.
static void DocReceiveText(Document *document, Clip &clip)
{
    ErrorCode error;
    std::size_t size;
    if (HANDLE text = ClipGet(error, clip, CF_TEXT, size)) {
        TextReceive(document, text, static_cast<std::uint32_t>(size));
        ClipDone(clip);
    }
}

// The first rule that applies decides: a copied selection, on the clipboard
// both as text and as a page, thus comes back as a page to all but the text tools.
// A PNG picture counts as a bitmap: browsers offer both, and Wine offers only
// PNG for the pictures of X programs.
void DocumentReceive(Document *document, Clip &clip)
{
    bool text = ClipHas(clip, CF_TEXT);
    if (text && DocReceiveTable(document, clip))
        return;
    if (text && DocTextTool(document->now.tool)) {
        DocReceiveText(document, clip);
        return;
    }
    for (UINT format : {static_cast<UINT>(CF_DIB), pngClipFormat, static_cast<UINT>(CF_ENHMETAFILE), pageClipFormat}) {
        if (!ClipHas(clip, format))
            continue;
        ErrorCode error;
        std::size_t size;
        DocSelectToolCurrent(document);
        if (HANDLE data = ClipGet(error, clip, format, size)) {
            SelectReceive(document, data, size, format);
            ClipDone(clip);
        }
        return;
    }
    if (text) {
        ToolSelect(document, toolText);
        DocReceiveText(document, clip);
    }
}

void DocumentSelAll(Document *document)
{
    DocSelectToolCurrent(document);
    SelectSelAll(document);
}

bool DocumentCanTransform(const Document *document)
{
    return document->now.tool == toolSelect && document->now.floating;
}

int DocumentTransform(Document *document, std::int16_t transformation)
{
    if (!transformation)
        return DocumentCanTransform(document);
    SelectionTransform(document, transformation); // a failure was reported there
    return 0;
}
