#include "document/doc_commands_win.h"

#include <utility>

#include "app/doc_window_win.h"
#include "selection/selection_win.h"
#include "tools/tool_table_win.h"

// The tool's marks and option buttons belong to the state: they are hidden
// and removed (show false) before it is replaced, and made again after.
static void DocToolShow(Document *document, bool show)
{
    const Tool &tool = tools[document->now.tool];
    if (tool.tempProc)
        tool.tempProc(document, show ? 0 : 1, nullptr);
    if (tool.buttonsProc)
        tool.buttonsProc(document, show ? 1 : 0);
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

bool DocumentCanCopy(const Document *document)
{
    int tool = document->now.tool;
    return (tool == toolSelect || tool == toolText || tool == toolBigText) && document->now.floating;
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
