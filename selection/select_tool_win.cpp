#include "selection/select_tool_win.h"

#include "tools/tool_table_win.h"

void SelectKey(Document *document, char keyChar)
{
    if (!document->now.floating)
        StandardKey(document, keyChar);
}
