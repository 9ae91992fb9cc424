#include "selection/select_table.h"

#include <algorithm>

#include "base/preferences.h"
#include "page/text_conversion.h"
#include "selection/selection_cells.h"
#include "tools/button_values.h"

// Each column is followed by its spacer cells, the handle and as many spacer
// cells again: one each side when a rule follows the column (the rule is the
// handle), else none (the gap after the column is the handle), as laid out
// by TableToPage.
int SelectTableHandleAt(const TableRecord *table, RuleMode horiMode, int col, std::int16_t &column)
{
    const TableColumn *columns = TableColumns(table);
    int start = TableFirstCell(horiMode);
    for (std::int16_t c = 0; c < table->columns; ++c) {
        int width = columns[c].width;
        int spacer = TableRuleAfter(horiMode, c, table->columns) ? 1 : 0;
        int handle = start + width + spacer;
        bool middle = start + width / 4 <= col && col < start + 3 * width / 4;
        int found = middle ? handleJustify : col == handle ? handleWidth : handleNone;
        if (found != handleNone) {
            column = c;
            return found;
        }
        start = handle + spacer + 1;
    }
    return handleNone;
}

int SelectTableArea(const Document &document, int x, int y, std::int16_t &column)
{
    const DocState &now = document.now;
    if (!now.floating || now.format != formatTable)
        return handleNone;
    int col, row;
    if (!DocPosToCell(document, x, y, col, row, pinFloating))
        return handleNone;
    if (row < now.floatRow || row >= now.floatRow + now.front.height)
        return handleNone;
    return SelectTableHandleAt(static_cast<const TableRecord *>(now.handle),
                               static_cast<RuleMode>(preferences.horiRuleMode), col - now.floatCol, column);
}

std::int16_t SelectTableWidth(int oldWidth, int moved, int cellWidth, int scrolled)
{
    int width = SelectionResizeLength(oldWidth + scrolled, moved, cellWidth, 1);
    return static_cast<std::int16_t>(std::min(width, INT16_MAX));
}

std::uint8_t SelectTableJustify(int oldJustify, int moved)
{
    return static_cast<std::uint8_t>(ButtonDragValue(oldJustify, moved, justificationStep, justLeft, justRight));
}
