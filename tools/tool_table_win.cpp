#include "tools/tool_table_win.h"

#include "tools/scroll_win.h"
#include "tools/tool_bar_win.h"

namespace {

// How far each arrow code scrolls, in cells.
struct ArrowScroll {
    char key;
    int cols, rows;
};

const ArrowScroll arrowScrolls[] = {
    {keyLeft, -1, 0},
    {keyRight, 1, 0},
    {keyUp, 0, -1},
    {keyDown, 0, 1},
};

} // namespace

void ToolInvalButton(Document *document, const Tool &tool)
{
    ToolInvalRect(document, tool.left, tool.left + toolButtonWidth);
}

const Tool *tools;

int ToolPlace(POINT localPoint, int &tool)
{
    if (localPoint.y < buttonTop || localPoint.y >= buttonBottom)
        return 0;
    for (int i = 0; i < toolCount; ++i) {
        if (localPoint.x >= tools[i].left && localPoint.x < tools[i].left + toolButtonWidth) {
            tool = i;
            return 1;
        }
    }
    return 0;
}

void ToolSwitch(const Tool *table, Document *document, int newTool)
{
    const Tool &old = table[document->now.tool];
    if (old.tempProc)
        old.tempProc(document, 1, nullptr);
    if (old.activeProc)
        old.activeProc(document, 0);
    if (old.buttonsProc)
        old.buttonsProc(document, 0);
    ToolInvalButton(document, old);

    document->now.tool = static_cast<std::int16_t>(newTool);

    const Tool &now = table[newTool];
    if (now.activeProc)
        now.activeProc(document, 1);
    if (now.tempProc)
        now.tempProc(document, 0, nullptr);
    if (now.buttonsProc)
        now.buttonsProc(document, 1);
    ToolInvalButton(document, now);
}

void ToolSelect(Document *document, int newTool)
{
    ToolSwitch(tools, document, newTool);
}

void ToolRecalculate()
{
    if (!theDocument)
        return;
    const Tool &tool = tools[theDocument->now.tool];
    if (tool.recalcProc)
        tool.recalcProc(theDocument, theDocument->now.front.width, theDocument->now.front.height);
}

void StandardKey(Document *document, char keyChar)
{
    for (const ArrowScroll &arrow : arrowScrolls) {
        if (arrow.key == keyChar)
            DocScroll(document, arrow.cols, arrow.rows, 1);
    }
}
