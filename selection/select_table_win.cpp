#include "selection/select_table_win.h"

#include "selection/select_table.h"
#include "selection/select_tool_win.h"
#include "selection/selection_win.h"
#include "tools/tool_bar_win.h"

namespace {

// One kind of column drag: the value it edits and how the pointer sets it.
struct ColumnDrag {
    int (*read)(const TableColumn &column);
    void (*write)(TableColumn &column, int value);
    // The value for the pointer now, `old` having been the value at a press
    // at `press` with the view scrolled to column `pressScroll`.
    int (*follow)(Document *document, int old, POINTS press, int pressScroll);
};

int WidthRead(const TableColumn &column)
{
    return column.width;
}

void WidthWrite(TableColumn &column, int value)
{
    column.width = static_cast<std::int16_t>(value);
}

// Scrolling moves the handle with the view, so that it stays under the mouse.
int WidthFollow(Document *document, int old, POINTS press, int pressScroll)
{
    POINT where = SelectionDragPoint(document);
    return SelectTableWidth(old, where.x - press.x, fontWidth, document->scrollCol - pressScroll);
}

int JustifyRead(const TableColumn &column)
{
    return column.justification;
}

void JustifyWrite(TableColumn &column, int value)
{
    column.justification = static_cast<std::uint8_t>(value);
}

int JustifyFollow(Document *document, int old, POINTS press, int)
{
    return SelectTableJustify(old, SelectionMousePoint(document).x - press.x);
}

const ColumnDrag widthDrag = {WidthRead, WidthWrite, WidthFollow};
const ColumnDrag justifyDrag = {JustifyRead, JustifyWrite, JustifyFollow};

// Rebuilds the table's page from its columns and repaints it at once. A
// rebuild that fails keeps the page as it was; the next one shows the change.
void ColumnShow(Document *document)
{
    SelectTemp(document, 1, nullptr);
    SelectRecalc(document, 0, 0);
    DocPageUpdate(*document);
    SelectTemp(document, 0, nullptr);
}

// The page is rebuilt only when the value changes.
void ColumnFollow(Document *document, POINTS press, std::int16_t column, const ColumnDrag &drag)
{
    if (DocBeginAction(*document))
        return;
    TableColumn &entry = TableColumns(static_cast<TableRecord *>(document->now.handle))[column];
    int old = drag.read(entry);
    int pressScroll = document->scrollCol;
    for (bool down = true; down;) {
        down = ToolMouseDown();
        int value = drag.follow(document, old, press, pressScroll);
        if (value == drag.read(entry))
            continue;
        drag.write(entry, value);
        ColumnShow(document);
    }
}

} // namespace

std::int16_t SelectArea(Document *document, POINT localPoint, std::int16_t *columnPtr)
{
    return static_cast<std::int16_t>(SelectTableArea(*document, localPoint.x, localPoint.y, *columnPtr));
}

void SelectDragWidth(Document *document, POINTS localPoint, std::int16_t column)
{
    ColumnFollow(document, localPoint, column, widthDrag);
}

void SelectChangeJustify(Document *document, POINTS localPoint, std::int16_t column)
{
    ColumnFollow(document, localPoint, column, justifyDrag);
}
